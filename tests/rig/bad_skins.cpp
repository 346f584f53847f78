#include "rig/bad_skins.h"

#include "rig/rig.h"
#include "skin/skin_schema.h"

#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace rig {
namespace {

struct Key {
    std::string group;
    std::string name;
    std::string value;
};

using Skin = std::vector<Key>;

Skin GoodSkin(const std::string& other) {
    Skin skin = {
        {"Info", "Name", "Proof"}, {"Info", "Author", "Proof"}, {"Info", "Info", "every feature"},
        {"Bg", "Width", "200"}, {"Bg", "Height", "100"},
        {"Font", "Facename", "Arial"}, {"Font", "Size", "12"}, {"Font", "Style", "1"},
        {"Font", "HAlignment", "0"}, {"Font", "ColorR", "200"},
        {"CounterFont", "Size", "10"}, {"CounterFont", "ColorA", "255"},
        {"DisplayPane", "Left", "10"}, {"DisplayPane", "Top", "10"},
        {"DisplayPane", "Width", "180"}, {"DisplayPane", "Height", "80"},
        {"InfoPane", "Left", "0"}, {"InfoPane", "Top", "0"}, {"InfoPane", "Width", "60"}, {"InfoPane", "Height", "20"},
        {"CounterPane", "Left", "120"}, {"CounterPane", "Top", "0"},
        {"CounterPane", "Width", "60"}, {"CounterPane", "Height", "20"},
        {"ProgressBar", "Left", "0"}, {"ProgressBar", "Top", "25"},
        {"ProgressBar", "Width", "180"}, {"ProgressBar", "Height", "8"},
        {"RatingPane", "Left", "0"}, {"RatingPane", "Top", "40"}, {"RatingPane", "Width", "80"},
        {"RatingPane", "Height", "16"}, {"RatingPane", "Direction", "1"},
        {"SoundPane", "Left", "90"}, {"SoundPane", "Top", "40"}, {"SoundPane", "Width", "80"},
        {"SoundPane", "Height", "16"}, {"SoundPane", "Direction", "3"}, {"SoundPane", "UseKnob", "1"},
        {"Knob", "Width", "6"}, {"Knob", "Height", "8"}, {"Knob", "UseBitmap", "1"}, {"Knob", "StretchKnob", "1"},
        {"InnerKnob", "ColorG", "255"}, {"OuterKnob", "ColorB", "255"},
        {"AlbumArt", "Left", "150"}, {"AlbumArt", "Top", "55"}, {"AlbumArt", "Width", "40"},
        {"AlbumArt", "Height", "40"}, {"AlbumArt", "Show", "1"}, {"AlbumArt", "DrawOverlay", "1"},
        {"AlbumArt", "DrawOverlayActualSize", "0"}, {"AlbumArt", "Alpha", "200"},
        {"AlbumArt", "ArtWorkLeft", "2"}, {"AlbumArt", "ArtWorkTop", "2"},
        {"AlbumArt", "ArtWorkWidth", "36"}, {"AlbumArt", "ArtWorkHeight", "36"},
        {"PausePlayButton", "Left", "10"}, {"PausePlayButton", "Top", "70"},
        {"PausePlayButton", "Width", "20"}, {"PausePlayButton", "Height", "20"},
        {"NextButton", "Left", "35"}, {"NextButton", "Top", "70"},
        {"NextButton", "Width", "20"}, {"NextButton", "Height", "20"},
        {"PreviousButton", "Left", "60"}, {"PreviousButton", "Top", "70"},
        {"PreviousButton", "Width", "20"}, {"PreviousButton", "Height", "20"},
        {"StopButton", "Left", "85"}, {"StopButton", "Top", "70"},
        {"StopButton", "Width", "20"}, {"StopButton", "Height", "20"},
        {"MuteButton", "Left", "110"}, {"MuteButton", "Top", "70"},
        {"MuteButton", "Width", "20"}, {"MuteButton", "Height", "20"},
        {"UpdateIPodButton", "Left", "130"}, {"UpdateIPodButton", "Top", "0"},
        {"UpdateIPodButton", "Width", "10"}, {"UpdateIPodButton", "Height", "10"},
        {"QuitButton", "Left", "185"}, {"QuitButton", "Top", "0"},
        {"QuitButton", "Width", "15"}, {"QuitButton", "Height", "8"},
        {"ToggleITunesWindowButton", "Left", "0"}, {"ToggleITunesWindowButton", "Top", "0"},
        {"ToggleITunesWindowButton", "Width", "8"}, {"ToggleITunesWindowButton", "Height", "8"},
        {"ExtraInfos", "Count", "2"},
        {"ExtraInfo-1", "Left", "0"}, {"ExtraInfo-1", "Top", "60"}, {"ExtraInfo-1", "Width", "90"},
        {"ExtraInfo-1", "Height", "16"}, {"ExtraInfo-1", "Type", "album"}, {"ExtraInfo-1", "Size", "9"},
        {"ExtraInfo-1", "Facename", "Arial"},
        {"ExtraInfo-2", "Left", "90"}, {"ExtraInfo-2", "Top", "60"}, {"ExtraInfo-2", "Width", "60"},
        {"ExtraInfo-2", "Height", "16"}, {"ExtraInfo-2", "Type", "Length"},
        {"ChangeSkinHotSpots", "Count", "2"},
        {"ChangeSkinHotSpot-1", "Left", "185"}, {"ChangeSkinHotSpot-1", "Top", "85"},
        {"ChangeSkinHotSpot-1", "Width", "14"}, {"ChangeSkinHotSpot-1", "Height", "14"},
        {"ChangeSkinHotSpot-1", "NewSkinName", other}, {"ChangeSkinHotSpot-1", "XOffset", "5"},
        {"ChangeSkinHotSpot-1", "YOffset", "-5"}, {"ChangeSkinHotSpot-1", "EasyAnimationFramesCount", "2"},
        {"ChangeSkinHotSpot-1", "EasyAnimationFrame1", "f1.png"},
        {"ChangeSkinHotSpot-1", "EasyAnimationFrame2", "f2.png"},
        {"ChangeSkinHotSpot-1", "UseCurrentSkinSizeForAnimation", "1"},
        {"ChangeSkinHotSpot-2", "Type", "hover"}, {"ChangeSkinHotSpot-2", "Left", "0"},
        {"ChangeSkinHotSpot-2", "Top", "90"}, {"ChangeSkinHotSpot-2", "Width", "30"},
        {"ChangeSkinHotSpot-2", "Height", "10"}, {"ChangeSkinHotSpot-2", "NewSkinName", other},
        {"ChangeSkinHotSpot-2", "MouseOutSkinName", "Proof"}, {"ChangeSkinHotSpot-2", "XOffset", "3"},
        {"ChangeSkinHotSpot-2", "NewLeft", "0"}, {"ChangeSkinHotSpot-2", "NewTop", "0"},
        {"ChangeSkinHotSpot-2", "NewWidth", "50"}, {"ChangeSkinHotSpot-2", "NewHeight", "50"},
        {"ChangeSkinHotSpot-2", "MouseOutXOffset", "-3"},
        {"ChangeSkinHotSpot-2", "EasyAnimationFramesCount", "1"},
        {"ChangeSkinHotSpot-2", "EasyAnimationFrame1", "f1.png"},
    };
    return skin;
}

std::string Text(const Skin& skin) {
    std::string text;
    std::string group;
    for (const Key& key : skin) {
        if (key.group != group) {
            group = key.group;
            text += "[" + group + "]\r\n";
        }
        text += key.name + "=" + key.value + "\r\n";
    }
    return text;
}

bool IsTextKey(const Key& key) {
    static const char* const names[] = {"Facename", "Type", "NewSkinName", "MouseOutSkinName", "Name",
                                        "Author", "Info", "EasyAnimationFrame1", "EasyAnimationFrame2"};
    for (const char* name : names)
        if (key.name == name) return true;
    return false;
}

// A small deterministic generator, so a failing case can be named and rerun.
struct Noise {
    unsigned state;
    unsigned Next() { return state = state * 1664525u + 1013904223u; }
    std::string Bytes(size_t count) {
        std::string bytes(count, '\0');
        for (char& c : bytes) c = char(Next() >> 24);
        return bytes;
    }
};

const char* const kHostileNumbers[] = {"2147483647", "-2147483648", "-1", "0", "99999999999999999999", "x7\xff"};

std::vector<std::string> HostileTexts() {
    return {std::string(100000, 'w'), std::string(259, 'n'), "..\\..\\..\\..\\windows\\system32",
            "\x01\x7f\xff\xfe%s%n", ""};
}

// The skin with the key set, in its group's place: the reader takes only
// the first group of a name, so a key may not start a group of its own.
Skin With(Skin skin, const std::string& group, const std::string& name, const std::string& value) {
    auto last = skin.end();
    for (auto key = skin.begin(); key != skin.end(); ++key) {
        if (key->group != group) continue;
        if (key->name == name) {
            key->value = value;
            return skin;
        }
        last = key + 1;
    }
    skin.insert(last, {group, name, value});
    return skin;
}

Skin WithKnob(const Skin& skin, bool useBitmap, bool stretch) {
    return With(With(skin, "Knob", "UseBitmap", useBitmap ? "1" : "0"), "Knob", "StretchKnob", stretch ? "1" : "0");
}

const char* const kExtremeNumbers[] = {"-2147483648", "-2147483647", "-1",       "0",
                                       "2147483647",  "100000",      "16777216", "1000000000"};

}  // namespace

std::string GoodSkinText(const std::string& other) { return Text(GoodSkin(other)); }

std::vector<BadSkin> ExtremeValueCases(bool knobImage) {
    const Skin good = GoodSkin("ProofOther");
    std::vector<BadSkin> cases;
    for (const SkinGroupSchema& group : SkinSchema()) {
        // The good skin has a first member of each numbered family.
        const std::string name = std::string(group.name) + (group.numbered ? "1" : "");
        for (const SkinKeySchema& key : group.keys) {
            if (key.value != SkinValue::Integer) continue;
            for (const char* number : kExtremeNumbers) {
                for (const bool stretch : {false, true}) {
                    const Skin skin = With(WithKnob(good, knobImage, stretch), name, std::string(key.name), number);
                    cases.push_back({name + "." + std::string(key.name) + "=" + number + " knob " +
                                         (knobImage ? "image" : "drawn") + (stretch ? " stretched" : ""),
                                     Text(skin)});
                }
            }
        }
    }
    return cases;
}

std::string BounceBackSkinText(const std::string& name) {
    return "[Bg]\r\nWidth=120\r\nHeight=60\r\n[DisplayPane]\r\nWidth=120\r\nHeight=60\r\n"
           "[InfoPane]\r\nWidth=120\r\nHeight=20\r\n[ChangeSkinHotSpots]\r\nCount=2\r\n"
           "[ChangeSkinHotSpot-1]\r\nType=hover\r\nLeft=-1\r\nTop=-1\r\nWidth=300\r\nHeight=300\r\n"
           "NewSkinName=" + name + "\r\nMouseOutSkinName=" + name + "\r\nEasyAnimationFramesCount=1\r\n"
           "EasyAnimationFrame1=missing-frame.png\r\n"
           "[ChangeSkinHotSpot-2]\r\nLeft=-1\r\nTop=-1\r\nWidth=300\r\nHeight=300\r\nNewSkinName=" + name + "\r\n";
}

std::vector<BadSkin> BadSkinCases() {
    const std::string other = "ProofOther";
    const Skin good = GoodSkin(other);
    std::vector<BadSkin> cases;

    // Each value of the good skin replaced in turn.
    for (size_t i = 0; i < good.size(); ++i) {
        if (IsTextKey(good[i])) {
            for (const std::string& value : HostileTexts()) {
                Skin skin = good;
                skin[i].value = value;
                cases.push_back({good[i].group + "." + good[i].name + " text of " + std::to_string(value.size()),
                                 Text(skin)});
            }
        } else {
            for (const char* value : kHostileNumbers) {
                Skin skin = good;
                skin[i].value = value;
                cases.push_back({good[i].group + "." + good[i].name + "=" + value, Text(skin)});
            }
        }
    }

    // Sizes that would ask for gigabytes.
    Skin huge = good;
    for (Key& key : huge)
        if ((key.group == "Bg" || key.group == "DisplayPane" || key.group == "AlbumArt" || key.group == "RatingPane" ||
             key.group == "SoundPane" || key.group == "InfoPane") &&
            (key.name == "Width" || key.name == "Height"))
            key.value = "100000";
    cases.push_back({"every pane 100000 x 100000", Text(huge)});
    cases.push_back({"[Bg] 100000 x 100000 only", Text(good) + "[Bg]\r\nWidth=100000\r\nHeight=100000\r\n"});
    Skin negative = good;
    for (Key& key : negative)
        if (key.name == "Width" || key.name == "Height") key.value = "-" + key.value;
    cases.push_back({"every size negative", Text(negative)});
    Skin zero = good;
    for (Key& key : zero)
        if (key.name == "Width" || key.name == "Height") key.value = "0";
    cases.push_back({"every size zero", Text(zero)});
    Skin counts = good;
    for (Key& key : counts)
        if (key.name == "Count" || key.name == "EasyAnimationFramesCount") key.value = "2147483647";
    cases.push_back({"every count 2^31-1", Text(counts)});

    // Garbage: random bytes, with and without a real group in between, and
    // lines of 100,000 characters.
    Noise noise{12345};
    for (int n = 0; n < 24; ++n) {
        const size_t size = n % 3 == 0 ? 200000 : 4000;
        std::string text = noise.Bytes(size);
        if (n % 2) text.insert(text.size() / 2, "\r\n[Bg]\r\nWidth=" + std::to_string(noise.Next() % 500) + "\r\n");
        cases.push_back({"garbage bytes #" + std::to_string(n), text});
    }
    cases.push_back({"100,000-character line", Text(good) + std::string(100000, '[') + "\r\n"});
    cases.push_back({"100,000-character key", "[Bg]\r\n" + std::string(100000, 'k') + "=5\r\n" + Text(good)});
    cases.push_back({"100,000-character group", "[" + std::string(100000, 'g') + "]\r\nWidth=5\r\n" + Text(good)});
    cases.push_back({"NUL bytes throughout", std::string(5000, '\0') + Text(good) + std::string(5000, '\0')});
    cases.push_back({"empty file", ""});

    // Images absent, corrupt, empty or folders in their place.
    for (auto images : {BadSkin::Images::Missing, BadSkin::Images::Corrupt, BadSkin::Images::Empty,
                        BadSkin::Images::Folders})
        cases.push_back({"images of kind " + std::to_string(int(images)), Text(good), images});

    // Frames that do not exist, and names at and past the path buffers.
    Skin frames = good;
    frames.push_back({"ChangeSkinHotSpot-1", "EasyAnimationFramesCount", "40"});
    cases.push_back({"40 frames, none present", Text(frames)});
    Skin longNames = good;
    for (Key& key : longNames)
        if (key.name == "NewSkinName" || key.name == "MouseOutSkinName" || key.name.rfind("EasyAnimationFrame", 0) == 0)
            if (key.name != "EasyAnimationFramesCount") key.value = std::string(259, 's');
    cases.push_back({"names of 259 characters", Text(longNames)});
    return cases;
}

void InstallBadSkin(const std::string& name, const BadSkin& skin) {
    const std::string folder = WorkFolder() + "skins\\" + name + "\\";
    const std::string images = folder + "images\\";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    MakeSkin(name, skin.iniText);
    const char* const files[] = {"bg.png", "pause.png", "knob.png", "rating_filled.png", "rating_unfilled.png",
                                 "sound_filled.png", "sound_unfilled.png", "sound_knob.png", "overlay.png",
                                 "f1.png", "f2.png"};
    for (const char* file : files) {
        switch (skin.images) {
            case BadSkin::Images::Good: WritePng(images + file, 24, 16, 0xFF8040C0); break;
            case BadSkin::Images::Missing: break;
            case BadSkin::Images::Corrupt: WriteTextFile(images + file, "\x89PNG\r\n\x1a\n" + std::string(64, '\xee')); break;
            case BadSkin::Images::Empty: WriteTextFile(images + file, ""); break;
            case BadSkin::Images::Folders: fs::create_directories(images + file, ignored); break;
        }
    }
}

}  // namespace rig
