// Reading "skin.ini" into a SkinModel. Every key has a default, so a missing
// file or group still gives a usable skin.
#include "skin/skin_keys.h"
#include "skin/skin_limits.h"
#include "skin/skin_schema.h"

#include <windows.h>

#include <algorithm>

namespace {

std::string ReadText(const IniFile& ini, std::string_view group, std::string_view key, std::string_view fallback) {
    return ini.ReadText(group, key, fallback, kSkinTextBuffer);
}

// The counter falls back to [Font] for its face, colour and size, but with
// colour keys read with 255 as default: so with no colour given anywhere the
// counter is white while the info text is black. Style and alignment are its own.
FontFallback CounterFallback(const IniFile& ini, const FontSpec& font) {
    FontFallback fallback;
    fallback.faceName = ReadText(ini, "Font", kFontKeys.faceName, "Arial");
    fallback.alpha = ini.ReadInt("Font", kColorKeys.alpha, 255);
    fallback.red = ini.ReadInt("Font", kColorKeys.red, 255);
    fallback.green = ini.ReadInt("Font", kColorKeys.green, 255);
    fallback.blue = ini.ReadInt("Font", kColorKeys.blue, 255);
    fallback.size = int(font.size);
    return fallback;
}

}  // namespace

PaneRect ReadPaneRect(const IniFile& ini, const char* group) {
    return {ini.ReadInt(group, "Left", 0), ini.ReadInt(group, "Top", 0), ini.ReadInt(group, "Width", 0),
            ini.ReadInt(group, "Height", 0)};
}

FontSpec ReadFont(const IniFile& ini, const char* group, const FontFallback& fallback) {
    FontSpec font;
    font.faceName = FaceNameFromText(ReadText(ini, group, kFontKeys.faceName, fallback.faceName));
    font.color = ReadColor(ini, group, fallback.alpha, fallback.red, fallback.green, fallback.blue);
    font.size = float(ini.ReadInt(group, kFontKeys.size, fallback.size));
    font.style = ini.ReadInt(group, kFontKeys.style, fallback.style);
    font.hAlignment = ini.ReadInt(group, kFontKeys.hAlignment, fallback.hAlignment);
    return font;
}

Argb ReadColor(const IniFile& ini, const char* group, int alpha, int red, int green, int blue) {
    const auto low8 = [](int value) { return Argb(value) & 0xFF; };
    const Argb b = low8(ini.ReadInt(group, kColorKeys.blue, blue));
    const Argb g = low8(ini.ReadInt(group, kColorKeys.green, green));
    const Argb r = low8(ini.ReadInt(group, kColorKeys.red, red));
    const Argb a = low8(ini.ReadInt(group, kColorKeys.alpha, alpha));
    return a << 24 | r << 16 | g << 8 | b;
}

// Face names go through the OEM code page, as the skins were written for.
std::wstring FaceNameFromText(const std::string& text) {
    wchar_t face[kSkinTextBuffer] = {};
    const int length = MultiByteToWideChar(CP_OEMCP, 0, text.data(), int(text.size()), face, int(kSkinTextBuffer - 1));
    return std::wstring(face, size_t(std::max(length, 0)));
}

SkinModelPtr ReadSkinModel(const std::string& iniPath) {
    const IniFile ini = IniFile::Load(iniPath);
    auto model = std::make_unique<SkinModel>();
    SkinModel& skin = *model;

    // The keys the model takes one by one, where the schema says they go.
    for (const SkinGroupSchema& group : SkinSchema()) {
        if (group.numbered) continue;
        for (const SkinKeySchema& key : group.keys) {
            if (key.integer)
                skin.*key.integer = ini.ReadInt(group.name, key.name, key.fallback);
            else if (key.rect)
                skin.*key.rect.*key.side = ini.ReadInt(group.name, key.name, key.fallback);
            else if (key.text)
                skin.*key.text = ini.ReadText(group.name, key.name, key.textFallback, kSkinTextBuffer);
        }
    }
    skin.font = ReadFont(ini, "Font");
    skin.counterFont = ReadFont(ini, "CounterFont", CounterFallback(ini, skin.font));
    skin.innerKnobColor = ReadColor(ini, "InnerKnob", 255, 0, 0, 0);
    skin.outerKnobColor = ReadColor(ini, "OuterKnob", 255, 0, 0, 0);

    // Every number up to the count yields a record, present group or not.
    for (int n = 1, count = kExtraInfoGroups.Count(ini); n <= count; ++n)
        skin.extraInfos.push_back(ReadExtraInfo(ini, kExtraInfoGroups.Name(n)));
    for (int n = 1, count = kHotSpotGroups.Count(ini); n <= count; ++n)
        skin.hotSpots.push_back(ReadChangeSkinHotSpot(ini, kHotSpotGroups.Name(n)));

    return model;
}
