// The numbered groups of "skin.ini": extra infos and change-skin hotspots.
#include "skin/skin_keys.h"
#include "skin/skin_limits.h"
#include "skin/skin_schema.h"

#include <algorithm>

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::unique_ptr<ExtraInfo> ReadExtraInfo(const IniFile& ini, const std::string& group) {
    auto info = std::make_unique<ExtraInfo>();
    const char* name = group.c_str();
    // No fallback to [Font]: an extra info without colour keys is opaque black.
    info->font = ReadFont(ini, name);
    info->rect = ReadPaneRect(ini, name);
    info->type = ini.ReadText(name, "Type", "", kSkinTypeBuffer);
    return info;
}

std::unique_ptr<ChangeSkinHotSpot> ReadChangeSkinHotSpot(const IniFile& ini, const std::string& group) {
    auto spot = std::make_unique<ChangeSkinHotSpot>();
    const char* name = group.c_str();
    spot->rect = ReadPaneRect(ini, name);
    spot->newRect.height = ini.ReadInt(name, "NewHeight", 0);
    spot->newRect.width = ini.ReadInt(name, "NewWidth", 0);
    spot->newRect.top = ini.ReadInt(name, "NewTop", 0);
    spot->newRect.left = ini.ReadInt(name, "NewLeft", 0);
    spot->xOffset = ini.ReadInt(name, "XOffset", 0);
    spot->yOffset = ini.ReadInt(name, "YOffset", 0);
    spot->mouseOutXOffset = ini.ReadInt(name, "MouseOutXOffset", 0);
    spot->mouseOutYOffset = ini.ReadInt(name, "MouseOutYOffset", 0);
    spot->newSkinName = ini.ReadText(name, "NewSkinName", "", kSkinTextBuffer);
    spot->mouseOutSkinName = ini.ReadText(name, "MouseOutSkinName", "", kSkinTextBuffer);
    spot->isHover = EqualsIgnoringAsciiCase(ini.ReadText(name, "Type", "click", kSkinTypeBuffer), "hover");

    // Every frame up to the count is kept, an absent one as an empty name.
    for (int k = 1, count = kAnimationFrameKeys.Count(ini, group); k <= count; ++k)
        spot->animationFrames.push_back(ini.ReadText(name, kAnimationFrameKeys.Name(k), "", kSkinTextBuffer));
    spot->useCurrentSkinSizeForAnimation = ini.ReadInt(name, "UseCurrentSkinSizeForAnimation", 0) != 0;
    return spot;
}
