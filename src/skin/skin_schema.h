// Every group and key of "skin.ini" that the reader looks at, with the kind of
// value each holds: the one list the skin tools check skins against.
#pragma once

#include "skin/skin_limits.h"

#include <string_view>
#include <vector>

enum class SkinValue { Integer, Text };

// Where a group's Left/Top/Width/Height are measured.
enum class SkinSpace { None, Skin, Display };

struct SkinKeySchema {
    std::string_view name;
    SkinValue value = SkinValue::Integer;
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
};

inline const SkinNumbering kExtraInfoGroups = {"ExtraInfo-", "ExtraInfos", "Count", kMaxExtraInfos};
inline const SkinNumbering kHotSpotGroups = {"ChangeSkinHotSpot-", "ChangeSkinHotSpots", "Count", kMaxHotSpots};
inline const SkinNumbering kAnimationFrameKeys = {"EasyAnimationFrame", "", "EasyAnimationFramesCount",
                                                  kMaxAnimationFrames};

inline const std::vector<SkinGroupSchema>& SkinSchema() {
    using K = SkinKeySchema;
    constexpr SkinValue T = SkinValue::Text;
    const auto join = [](std::initializer_list<std::vector<K>> parts) {
        std::vector<K> keys;
        for (const std::vector<K>& part : parts) keys.insert(keys.end(), part.begin(), part.end());
        return keys;
    };
    const std::vector<K> rect = {{"Left"}, {"Top"}, {"Width"}, {"Height"}};
    const std::vector<K> color = {{"ColorA"}, {"ColorR"}, {"ColorG"}, {"ColorB"}};
    const std::vector<K> font = join({{{"Facename", T}}, color, {{"Size"}, {"Style"}, {"HAlignment"}}});
    const auto button = [&](std::string_view name) { return SkinGroupSchema{name, SkinSpace::Skin, rect}; };

    static const std::vector<SkinGroupSchema> schema = {
        {"Info", SkinSpace::None, {{"Name", T}, {"Author", T}, {"Info", T}}},
        {"Bg", SkinSpace::None, {{"Width"}, {"Height"}}},
        {"Font", SkinSpace::None, font},
        {"CounterFont", SkinSpace::None, font},
        {"DisplayPane", SkinSpace::Skin, rect},
        {"InfoPane", SkinSpace::Display, rect},
        {"CounterPane", SkinSpace::Display, rect},
        {"ProgressBar", SkinSpace::Display, rect},
        {"RatingPane", SkinSpace::Display, join({rect, {{"Direction"}}})},
        {"SoundPane", SkinSpace::Display, join({rect, {{"Direction"}, {"UseKnob"}}})},
        button("PreviousButton"),
        button("NextButton"),
        button("PausePlayButton"),
        button("StopButton"),
        button("UpdateIPodButton"),
        button("MuteButton"),
        button("OpenButton"),
        button("QuitButton"),
        button("ToggleITunesWindowButton"),
        {"Knob", SkinSpace::None, {{"Width"}, {"Height"}, {"UseBitmap"}, {"StretchKnob"}}},
        {"InnerKnob", SkinSpace::None, color},
        {"OuterKnob", SkinSpace::None, color},
        {"AlbumArt", SkinSpace::Skin,
         join({rect,
               {{"ArtWorkLeft"}, {"ArtWorkTop"}, {"ArtWorkWidth"}, {"ArtWorkHeight"}, {"Show"}, {"DrawOverlay"},
                {"DrawOverlayActualSize"}, {"Alpha"}}})},
        {"ExtraInfos", SkinSpace::None, {{"Count"}}},
        {"ChangeSkinHotSpots", SkinSpace::None, {{"Count"}}},
        {kExtraInfoGroups.prefix, SkinSpace::Display, join({rect, font, {{"Type", T}}}), true},
        {kHotSpotGroups.prefix, SkinSpace::Skin,
         join({rect,
               {{"Type", T}, {"NewSkinName", T}, {"XOffset"}, {"YOffset"}, {"NewLeft"}, {"NewTop"}, {"NewWidth"},
                {"NewHeight"}, {"MouseOutSkinName", T}, {"MouseOutXOffset"}, {"MouseOutYOffset"},
                {kAnimationFrameKeys.countKey}, {kAnimationFrameKeys.prefix, T},
                {"UseCurrentSkinSizeForAnimation"}}}),
         true},
    };
    return schema;
}

// The values of an extra info's "Type" that show something.
inline const std::vector<std::string_view>& ExtraInfoTypes() {
    static const std::vector<std::string_view> types = {"genre", "name",     "album", "artist",
                                                        "comment", "composer", "kind",  "length"};
    return types;
}
