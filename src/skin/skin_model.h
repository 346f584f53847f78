// The in-memory form of one "skin.ini"; read once, never changed afterwards.
#pragma once

#include "core/pane_rect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using Argb = uint32_t;

// Where a rating or sound pane fills from ([RatingPane] and [SoundPane]
// "Direction"); any other value fills nothing and a click on it gives 0.
enum PaneDirection { kLeftToRight = 0, kRightToLeft = 1, kTopToBottom = 2, kBottomToTop = 3 };

struct FontSpec {
    std::wstring faceName;  // at most 259 UTF-16 units
    Argb color = 0xFF000000;
    float size = 12.0f;
    int style = 0;
    int hAlignment = 1;
};

struct ExtraInfo {
    PaneRect rect;
    FontSpec font;
    std::string type;  // at most 99 characters
};

struct ChangeSkinHotSpot {
    PaneRect rect;
    PaneRect newRect;
    std::string newSkinName;
    std::string mouseOutSkinName;
    int xOffset = 0;
    int yOffset = 0;
    int mouseOutXOffset = 0;
    int mouseOutYOffset = 0;
    bool isHover = false;
    std::vector<std::string> animationFrames;
    bool useCurrentSkinSizeForAnimation = false;
};

struct SkinModel {
    std::string name;
    std::string author;
    std::string comments;
    FontSpec font;
    FontSpec counterFont;
    PaneRect displayPane;
    PaneRect progressBar;
    PaneRect infoPane;
    PaneRect counterPane;
    PaneRect previousButton;
    PaneRect nextButton;
    PaneRect pausePlayButton;
    PaneRect stopButton;
    PaneRect updateIPodButton;
    PaneRect muteButton;
    PaneRect openButton;
    PaneRect quitButton;
    PaneRect toggleITunesWindowButton;
    PaneRect ratingPane;
    PaneRect soundPane;
    Argb innerKnobColor = 0xFF000000;
    Argb outerKnobColor = 0xFF000000;
    int ratingDirection = 0;
    int soundDirection = 0;
    int bgWidth = 266;
    int bgHeight = 108;
    int knobWidth = 6;
    int knobHeight = 6;
    int knobUseBitmap = 0;
    int stretchKnob = 0;
    PaneRect albumArtPane;
    PaneRect artworkRect;
    int showAlbumArt = 0;
    int drawOverlay = 0;
    int drawOverlayActualSize = 1;
    int albumArtAlpha = 255;
    std::vector<std::unique_ptr<ExtraInfo>> extraInfos;
    std::vector<std::unique_ptr<ChangeSkinHotSpot>> hotSpots;
    int soundUseKnob = 0;
};

using SkinModelPtr = std::unique_ptr<SkinModel>;

// Fills a new model from the "skin.ini" at the path; an absent file gives every default.
SkinModelPtr ReadSkinModel(const std::string& iniPath);

// Skin names and the words of "skin.ini" match ignoring the case of ASCII letters.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
