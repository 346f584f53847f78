// Every group and key of "skin.ini" that the reader looks at, the kind of
// value each holds and, for the keys the model takes one by one, where in the
// model the value goes and what an absent key gives: the one list the reader
// reads through and the skin tools check skins against.
#pragma once

#include "skin/ini_file.h"
#include "skin/skin_limits.h"
#include "skin/skin_model.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

enum class SkinValue { Integer, Text };

// Where a group's Left/Top/Width/Height are measured.
enum class SkinSpace { None, Skin, Display };

struct SkinKeySchema {
    std::string_view name;
    SkinValue value = SkinValue::Integer;
    // The model's place for the value: an integer, one side of a rectangle,
    // or a text. None for the keys of fonts, colours and counts, which are
    // read a group at a time, and for the numbered groups' keys.
    int SkinModel::*integer = nullptr;
    PaneRect SkinModel::*rect = nullptr;
    int PaneRect::*side = nullptr;
    std::string SkinModel::*text = nullptr;
    int fallback = 0;
    std::string_view textFallback = {};
};

struct SkinGroupSchema {
    std::string_view name;  // for a numbered family, the prefix before the number
    SkinSpace space = SkinSpace::None;
    std::vector<SkinKeySchema> keys;
    bool numbered = false;
};

// A numbered family of groups or keys: how many are read and where that count is.
struct SkinNumbering {
    std::string_view prefix;
    std::string_view countGroup;  // empty: the count is a key of the same group
    std::string_view countKey;
    int ceiling;

    // The name of number n.
    std::string Name(int n) const { return std::string(prefix) + std::to_string(n); }
    // How many the reader goes through: the count up to the ceiling, taken
    // from the count group, else from `group`.
    int Count(const IniFile& ini, std::string_view group = {}) const {
        return std::clamp(ini.ReadInt(countGroup.empty() ? group : countGroup, countKey, 0), 0, ceiling);
    }
};

inline const SkinNumbering kExtraInfoGroups = {"ExtraInfo-", "ExtraInfos", "Count", kMaxExtraInfos};
inline const SkinNumbering kHotSpotGroups = {"ChangeSkinHotSpot-", "ChangeSkinHotSpots", "Count", kMaxHotSpots};
inline const SkinNumbering kAnimationFrameKeys = {"EasyAnimationFrame", "", "EasyAnimationFramesCount",
                                                  kMaxAnimationFrames};

// The keys of a colour and of a font's group, which the reader takes a group at a time.
struct SkinColorKeys {
    std::string_view alpha, red, green, blue;
};
struct SkinFontKeys {
    std::string_view faceName, size, style, hAlignment;
};
inline constexpr SkinColorKeys kColorKeys = {"ColorA", "ColorR", "ColorG", "ColorB"};
inline constexpr SkinFontKeys kFontKeys = {"Facename", "Size", "Style", "HAlignment"};

inline const std::vector<SkinGroupSchema>& SkinSchema() {
    using K = SkinKeySchema;
    using M = SkinModel;
    constexpr SkinValue T = SkinValue::Text;
    const auto join = [](std::initializer_list<std::vector<K>> parts) {
        std::vector<K> keys;
        for (const std::vector<K>& part : parts) keys.insert(keys.end(), part.begin(), part.end());
        return keys;
    };
    const auto side = [](std::string_view name, PaneRect M::*rect, int PaneRect::*side) {
        K key{name};
        key.rect = rect;
        key.side = side;
        return key;
    };
    // Left, Top, Width and Height (or other names) into one of the model's rectangles, 0 when absent.
    const auto rectOf = [&](PaneRect M::*rect, std::string_view left = "Left", std::string_view top = "Top",
                            std::string_view width = "Width", std::string_view height = "Height") {
        return std::vector<K>{side(left, rect, &PaneRect::left), side(top, rect, &PaneRect::top),
                              side(width, rect, &PaneRect::width), side(height, rect, &PaneRect::height)};
    };
    const auto integer = [](std::string_view name, int M::*field, int fallback) {
        K key{name};
        key.integer = field;
        key.fallback = fallback;
        return key;
    };
    const auto text = [](std::string_view name, std::string M::*field, std::string_view fallback) {
        K key{name, T};
        key.text = field;
        key.textFallback = fallback;
        return key;
    };
    const std::vector<K> rect = {{"Left"}, {"Top"}, {"Width"}, {"Height"}};
    const std::vector<K> color = {{kColorKeys.alpha}, {kColorKeys.red}, {kColorKeys.green}, {kColorKeys.blue}};
    const std::vector<K> font =
        join({{{kFontKeys.faceName, T}}, color, {{kFontKeys.size}, {kFontKeys.style}, {kFontKeys.hAlignment}}});
    const auto button = [&](std::string_view name, PaneRect M::*field) {
        return SkinGroupSchema{name, SkinSpace::Skin, rectOf(field)};
    };

    static const std::vector<SkinGroupSchema> schema = {
        {"Info",
         SkinSpace::None,
         {text("Name", &M::name, "Unknown"), text("Author", &M::author, "Unknown"), text("Info", &M::comments, "")}},
        {"Bg", SkinSpace::None, {integer("Width", &M::bgWidth, 266), integer("Height", &M::bgHeight, 108)}},
        {"Font", SkinSpace::None, font},
        {"CounterFont", SkinSpace::None, font},
        {"DisplayPane", SkinSpace::Skin, rectOf(&M::displayPane)},
        {"InfoPane", SkinSpace::Display, rectOf(&M::infoPane)},
        {"CounterPane", SkinSpace::Display, rectOf(&M::counterPane)},
        {"ProgressBar", SkinSpace::Display, rectOf(&M::progressBar)},
        {"RatingPane", SkinSpace::Display,
         join({rectOf(&M::ratingPane), {integer("Direction", &M::ratingDirection, 0)}})},
        {"SoundPane", SkinSpace::Display,
         join({rectOf(&M::soundPane),
               {integer("Direction", &M::soundDirection, 0), integer("UseKnob", &M::soundUseKnob, 0)}})},
        button("PreviousButton", &M::previousButton),
        button("NextButton", &M::nextButton),
        button("PausePlayButton", &M::pausePlayButton),
        button("StopButton", &M::stopButton),
        button("UpdateIPodButton", &M::updateIPodButton),
        button("MuteButton", &M::muteButton),
        button("OpenButton", &M::openButton),
        button("QuitButton", &M::quitButton),
        button("ToggleITunesWindowButton", &M::toggleITunesWindowButton),
        {"Knob",
         SkinSpace::None,
         {integer("Width", &M::knobWidth, 6), integer("Height", &M::knobHeight, 6),
          integer("UseBitmap", &M::knobUseBitmap, 0), integer("StretchKnob", &M::stretchKnob, 0)}},
        {"InnerKnob", SkinSpace::None, color},
        {"OuterKnob", SkinSpace::None, color},
        {"AlbumArt", SkinSpace::Skin,
         join({rectOf(&M::albumArtPane),
               rectOf(&M::artworkRect, "ArtWorkLeft", "ArtWorkTop", "ArtWorkWidth", "ArtWorkHeight"),
               {integer("Show", &M::showAlbumArt, 0), integer("DrawOverlay", &M::drawOverlay, 0),
                integer("DrawOverlayActualSize", &M::drawOverlayActualSize, 1),
                integer("Alpha", &M::albumArtAlpha, 255)}})},
        {"ExtraInfos", SkinSpace::None, {{"Count"}}},
        {"ChangeSkinHotSpots", SkinSpace::None, {{"Count"}}},
        {kExtraInfoGroups.prefix, SkinSpace::Display, join({rect, font, {{"Type", T}}}), true},
        {kHotSpotGroups.prefix, SkinSpace::Skin,
         join({rect,
               {{"Type", T},
                {"NewSkinName", T},
                {"XOffset"},
                {"YOffset"},
                {"NewLeft"},
                {"NewTop"},
                {"NewWidth"},
                {"NewHeight"},
                {"MouseOutSkinName", T},
                {"MouseOutXOffset"},
                {"MouseOutYOffset"},
                {kAnimationFrameKeys.countKey},
                {kAnimationFrameKeys.prefix, T},
                {"UseCurrentSkinSizeForAnimation"}}}),
         true},
    };
    return schema;
}

// The values of an extra info's "Type" that show something.
inline const std::vector<std::string_view>& ExtraInfoTypes() {
    static const std::vector<std::string_view> types = {"genre",   "name",     "album", "artist",
                                                        "comment", "composer", "kind",  "length"};
    return types;
}
