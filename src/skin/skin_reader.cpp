// Reading "skin.ini" into a SkinModel. Every key has a default, so a missing
// file or group still gives a usable skin.
#include "skin/skin_keys.h"
#include "skin/skin_limits.h"

#include <windows.h>

#include <algorithm>

namespace {

std::string ReadText(const IniFile& ini, const char* group, const char* key, const char* fallback) {
    return ini.ReadText(group, key, fallback, kSkinTextBuffer);
}

// The counter falls back to [Font] for its face, colour and size, but with
// colour keys read with 255 as default: so with no colour given anywhere the
// counter is white while the info text is black. Style and alignment are its own.
FontFallback CounterFallback(const IniFile& ini, const FontSpec& font) {
    FontFallback fallback;
    fallback.faceName = ReadText(ini, "Font", "Facename", "Arial");
    fallback.alpha = ini.ReadInt("Font", "ColorA", 255);
    fallback.red = ini.ReadInt("Font", "ColorR", 255);
    fallback.green = ini.ReadInt("Font", "ColorG", 255);
    fallback.blue = ini.ReadInt("Font", "ColorB", 255);
    fallback.size = int(font.size);
    return fallback;
}

std::string NumberedGroup(const char* prefix, int number) { return prefix + std::to_string(number); }

}  // namespace

PaneRect ReadPaneRect(const IniFile& ini, const char* group) {
    return {ini.ReadInt(group, "Left", 0), ini.ReadInt(group, "Top", 0), ini.ReadInt(group, "Width", 0),
            ini.ReadInt(group, "Height", 0)};
}

FontSpec ReadFont(const IniFile& ini, const char* group, const FontFallback& fallback) {
    FontSpec font;
    font.faceName = FaceNameFromText(ReadText(ini, group, "Facename", fallback.faceName.c_str()));
    font.color = ReadColor(ini, group, fallback.alpha, fallback.red, fallback.green, fallback.blue);
    font.size = float(ini.ReadInt(group, "Size", fallback.size));
    font.style = ini.ReadInt(group, "Style", fallback.style);
    font.hAlignment = ini.ReadInt(group, "HAlignment", fallback.hAlignment);
    return font;
}

Argb ReadColor(const IniFile& ini, const char* group, int alpha, int red, int green, int blue) {
    const auto low8 = [](int value) { return Argb(value) & 0xFF; };
    const Argb b = low8(ini.ReadInt(group, "ColorB", blue));
    const Argb g = low8(ini.ReadInt(group, "ColorG", green));
    const Argb r = low8(ini.ReadInt(group, "ColorR", red));
    const Argb a = low8(ini.ReadInt(group, "ColorA", alpha));
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
    SkinModelPtr model(new SkinModel());
    SkinModel& skin = *model;

    skin.artworkRect.height = ini.ReadInt("AlbumArt", "ArtWorkHeight", 0);
    skin.artworkRect.width = ini.ReadInt("AlbumArt", "ArtWorkWidth", 0);
    skin.artworkRect.top = ini.ReadInt("AlbumArt", "ArtWorkTop", 0);
    skin.artworkRect.left = ini.ReadInt("AlbumArt", "ArtWorkLeft", 0);

    skin.name = ReadText(ini, "Info", "Name", "Unknown");
    skin.author = ReadText(ini, "Info", "Author", "Unknown");
    skin.comments = ReadText(ini, "Info", "Info", "");

    skin.font = ReadFont(ini, "Font");
    skin.counterFont = ReadFont(ini, "CounterFont", CounterFallback(ini, skin.font));

    skin.displayPane = ReadPaneRect(ini, "DisplayPane");
    skin.progressBar = ReadPaneRect(ini, "ProgressBar");
    skin.infoPane = ReadPaneRect(ini, "InfoPane");
    skin.counterPane = ReadPaneRect(ini, "CounterPane");
    skin.previousButton = ReadPaneRect(ini, "PreviousButton");
    skin.nextButton = ReadPaneRect(ini, "NextButton");
    skin.pausePlayButton = ReadPaneRect(ini, "PausePlayButton");
    skin.stopButton = ReadPaneRect(ini, "StopButton");
    skin.updateIPodButton = ReadPaneRect(ini, "UpdateIPodButton");
    skin.muteButton = ReadPaneRect(ini, "MuteButton");
    skin.openButton = ReadPaneRect(ini, "OpenButton");
    skin.quitButton = ReadPaneRect(ini, "QuitButton");
    skin.toggleITunesWindowButton = ReadPaneRect(ini, "ToggleITunesWindowButton");
    skin.ratingPane = ReadPaneRect(ini, "RatingPane");
    skin.soundPane = ReadPaneRect(ini, "SoundPane");

    skin.ratingDirection = ini.ReadInt("RatingPane", "Direction", 0);
    skin.soundDirection = ini.ReadInt("SoundPane", "Direction", 0);
    skin.soundUseKnob = ini.ReadInt("SoundPane", "UseKnob", 0);

    skin.albumArtPane = ReadPaneRect(ini, "AlbumArt");
    skin.showAlbumArt = ini.ReadInt("AlbumArt", "Show", 0);
    skin.drawOverlay = ini.ReadInt("AlbumArt", "DrawOverlay", 0);
    skin.drawOverlayActualSize = ini.ReadInt("AlbumArt", "DrawOverlayActualSize", 1);
    skin.albumArtAlpha = ini.ReadInt("AlbumArt", "Alpha", 255);

    skin.innerKnobColor = ReadColor(ini, "InnerKnob", 255, 0, 0, 0);
    skin.outerKnobColor = ReadColor(ini, "OuterKnob", 255, 0, 0, 0);

    skin.bgWidth = ini.ReadInt("Bg", "Width", 266);
    skin.bgHeight = ini.ReadInt("Bg", "Height", 108);
    skin.knobWidth = ini.ReadInt("Knob", "Width", 6);
    skin.knobHeight = ini.ReadInt("Knob", "Height", 6);
    skin.knobUseBitmap = ini.ReadInt("Knob", "UseBitmap", 0);
    skin.stretchKnob = ini.ReadInt("Knob", "StretchKnob", 0);

    // Every number up to the count yields a record, present group or not.
    const int extraInfoCount = std::min(ini.ReadInt("ExtraInfos", "Count", 0), kMaxExtraInfos);
    for (int n = 1; n <= extraInfoCount; ++n)
        skin.extraInfos.push_back(ReadExtraInfo(ini, NumberedGroup("ExtraInfo-", n)));

    const int hotSpotCount = std::min(ini.ReadInt("ChangeSkinHotSpots", "Count", 0), kMaxHotSpots);
    for (int n = 1; n <= hotSpotCount; ++n)
        skin.hotSpots.push_back(ReadChangeSkinHotSpot(ini, NumberedGroup("ChangeSkinHotSpot-", n)));

    return model;
}

void SkinModelDeleter::operator()(SkinModel* model) const { delete model; }

void ClearSkinModel(SkinModel& model) {
    model.extraInfos.clear();
    model.extraInfos.shrink_to_fit();
    model.hotSpots.clear();
    model.hotSpots.shrink_to_fit();
}
