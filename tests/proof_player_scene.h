// A widget on a skin that uses every pane, button and extra info, and one
// pass of everything that reaches the player: ticks, the marquee, every
// button and pane, the wheel, the menu, drops, the open dialog, quitting
// and starting again.
#pragma once

#include "rig/hdrop_data_object.h"
#include "rig/modal_driver.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <string>

namespace proof {

constexpr int kButtonTop = 100;
// Left edges of the buttons, 25 pixels apart, in this order.
enum Button { kPausePlay, kNext, kPrevious, kStop, kMute, kUpdateIPod, kToggle, kOpen, kQuit, kButtons };

inline std::string EverythingSkinText(bool knobImage = true, bool stretchedKnob = false) {
    static const char* const names[] = {"PausePlayButton", "NextButton", "PreviousButton", "StopButton", "MuteButton",
                                        "UpdateIPodButton", "ToggleITunesWindowButton", "OpenButton", "QuitButton"};
    static const char* const types[] = {"genre", "name", "album", "artist", "comment", "composer", "kind", "length"};
    std::string text =
        "[Bg]\nWidth=300\nHeight=120\n[DisplayPane]\nWidth=300\nHeight=120\n"
        "[InfoPane]\nWidth=100\nHeight=20\n[CounterPane]\nLeft=100\nWidth=50\nHeight=20\n"
        "[ProgressBar]\nTop=25\nWidth=150\nHeight=8\n[Knob]\nWidth=8\nHeight=8\n"
        "[RatingPane]\nTop=40\nWidth=80\nHeight=16\n[SoundPane]\nLeft=90\nTop=40\nWidth=80\nHeight=16\n"
        "[AlbumArt]\nLeft=240\nWidth=60\nHeight=60\nShow=1\nDrawOverlay=1\n[ExtraInfos]\nCount=8\n";
    text.insert(text.find("[RatingPane]"), std::string("UseBitmap=") + (knobImage ? "1" : "0") +
                                                 "\nStretchKnob=" + (stretchedKnob ? "1" : "0") + "\n");
    for (int i = 0; i < kButtons; ++i)
        text += std::string("[") + names[i] + "]\nLeft=" + std::to_string(25 * i) + "\nTop=" +
                std::to_string(kButtonTop) + "\nWidth=20\nHeight=18\n";
    for (int i = 0; i < 8; ++i)
        text += "[ExtraInfo-" + std::to_string(i + 1) + "]\nLeft=150\nTop=" + std::to_string(12 * i) +
                "\nWidth=90\nHeight=12\nSize=8\nType=" + types[i] + "\n";
    return text;
}

// Installs the skin and returns a settings file naming it.
inline std::string InstallEverythingSkin(const std::string& extraSettings = "", bool knobImage = true,
                                         bool stretchedKnob = false) {
    const std::string folder = rig::MakeSkin("Everything", EverythingSkinText(knobImage, stretchedKnob));
    for (const char* image : {"bg.png", "pause.png", "knob.png", "rating_filled.png", "rating_unfilled.png",
                              "sound_filled.png", "sound_unfilled.png", "overlay.png"})
        rig::WritePng(folder + "images\\" + image, 20, 20, 0xFF3366CC);
    rig::WriteTextFile(rig::WorkFolder() + "music.mp3", "ID3");
    const std::string ini = rig::WorkFolder() + "everything.ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=Everything\n" + extraSettings);
    return ini;
}

inline void StartPlaying(sim::Player& player) {
    player.SetCurrentTrack(0);
    player.SetArtwork(0, true);
    player.TrackAt(0)->artist = L"An artist whose name is far too long to fit in the info pane at all";
    player.SetPlaying(true);
}

// A fresh player playing the first track, as every proof starts.
inline sim::Player& PlayingPlayer() {
    sim::Player& player = rig::RunningPlayer();
    StartPlaying(player);
    return player;
}

inline void Press(const rig::Widget& widget, Button button) { widget.Click(25 * button + 10, kButtonTop + 9); }

inline void Drop(const rig::Widget& widget, rig::HDropDataObject* data) {
    POINTL point = {10, 10};
    DWORD effect = DROPEFFECT_COPY;
    rig::TheModule().OnDragEnter(widget.instance(), data, 0, point, &effect);
    rig::TheModule().OnDrop(widget.instance(), data, 0, point, &effect);
    rig::TheModule().OnDragLeave(widget.instance());
}

// What the widget asks the player for on its own and at every touch: ticks,
// the marquee, the buttons given, every pane, the wheel, the menu (which the
// caller's modal driver answers) and a drop whose addition then finishes.
inline void Touch(const rig::Widget& widget, sim::Player& player, std::initializer_list<Button> buttons) {
    widget.PollTick();
    widget.MouseOn();
    widget.ScrollTick();
    widget.ScrollTick();
    widget.MouseOut();
    for (Button button : buttons) Press(widget, button);
    for (POINT pane : {POINT{50, 10}, POINT{125, 10}, POINT{75, 29}, POINT{40, 48}, POINT{130, 48}})
        widget.Click(pane.x, pane.y);
    widget.WheelForward();
    widget.WheelBackward();
    widget.RightClick();
    auto files = rig::HDropDataObject::Make({L"C:\\music\\dropped.mp3", L"C:\\art\\cover.png"});
    Drop(widget, files.Get());
    player.clock().Advance(5000);
    widget.PollTick();
}

inline void RunEverything(sim::Player& player, const std::string& settings) {
    rig::ModalDriver driver;
    driver.ChooseInNextMenu(1000);
    const std::string music = rig::WorkFolder() + "music.mp3";
    driver.ChooseInNextFileDialog(std::wstring(music.begin(), music.end()));
    rig::Widget widget(settings.c_str(), "W");
    Touch(widget, player, {kPausePlay, kPausePlay, kNext, kPrevious, kMute, kUpdateIPod, kToggle, kToggle});
    Press(widget, kOpen);
    player.clock().Advance(5000);
    widget.PollTick();
    Press(widget, kStop);
    widget.PollTick();
    Press(widget, kQuit);
    widget.PollTick();
    Press(widget, kPausePlay);  // starts the player again
    widget.PollTick();
}

}  // namespace proof
