// Every integer a skin or the player can give, at the edges of the integer
// range and at a few large values: each case within a fraction of a second
// (one that runs over is timed once more, and has the module's stack
// printed), none hangs, and the process's resources stay flat. The cases are
// split over a few programs so that they run side by side.
#pragma once

#include "input_fixture.h"
#include "proof_figures.h"
#include "proof_player_scene.h"
#include "proof_watchdog.h"
#include "rig/bad_skins.h"
#include "rig/modal_driver.h"

#include <algorithm>
#include <climits>

namespace proof {

constexpr DWORD kSlowMs = 500;
// A case that is a whole session (ticks, every button and pane, a menu the
// modal driver answers on its timer, a drop) gets more of the second.
constexpr DWORD kSlowSessionMs = 900;
constexpr DWORD kHangMs = 20000;

struct Tally {
    int cases = 0;
    std::vector<std::string> slow;  // over the limit on both runs

    void Print(const char* what, const Watchdog& watchdog) const {
        std::printf("  %-28s %5d cases, 0 crashes, 0 hangs, %zu slow; slowest %lu ms: %s\n", what, cases, slow.size(),
                    watchdog.longestMs(), watchdog.longestLabel().c_str());
        for (const std::string& label : slow) std::printf("    slow twice: %s\n", label.c_str());
        std::fflush(stdout);
    }
};

// Runs the case; one over the limit is run again, so that a moment of a busy
// machine is not taken for the module's fault.
template <class Case>
void RunTimed(Watchdog& watchdog, Tally& tally, const std::string& label, Case&& run) {
    ++tally.cases;
    for (int attempt = 0; attempt < 2; ++attempt) {
        watchdog.Begin(label.c_str());
        run();
        if (!watchdog.Slow(watchdog.End())) return;
    }
    tally.slow.push_back(label);
}

// A redraw of every kind, the marquee, a move and a click; the hit tests of
// hostile rectangles are the malformed-skin proof's.
inline void ExerciseRedraws(const rig::Widget& widget) {
    widget.PollTick();
    widget.MouseOn();
    widget.ScrollTick();
    const SIZE size = widget.host().size;
    const int x = std::clamp<int>(size.cx, 1, 400) / 2;
    const int y = std::clamp<int>(size.cy, 1, 400) / 2;
    widget.MouseMove(x, y);
    widget.Click(x, y);
    widget.MouseOut();
    widget.WheelForward();
}

inline void PlayAfresh(sim::Player& player) {
    if (!player.Running()) player.Start(false);
    StartPlaying(player);
    player.calls().Clear();
    rig::RecordingHost::Get().ClearCalls();
}

// Every integer key of every group at the extremes, with the two knobs of the kind given.
inline void ProveSkinKeysWithKnobs(bool knobImage) {
    WatchModule();
    input_test::PlayerScene scene;
    PlayAfresh(scene.player());
    rig::ModalDriver dialogs;  // a stray click may open a window: answer it
    const char* const skin = "Proof";
    const char* const other = "ProofOther";
    rig::InstallBadSkin(skin, {"good", rig::GoodSkinText(other)});
    rig::InstallBadSkin(other, {"bounce", rig::BounceBackSkinText(skin)});
    const std::string settings = rig::WorkFolder() + "extremes.ini";
    rig::WriteTextFile(settings, std::string("[W]\nSkinDir=") + skin + "\n");
    const std::string skinIni = rig::WorkFolder() + "skins\\" + skin + "\\skin.ini";

    Watchdog watchdog(kHangMs, kSlowMs);
    Tally tally;
    Figures start;
    const std::vector<rig::BadSkin> cases = rig::ExtremeValueCases(knobImage);
    const DWORD began = GetTickCount();
    for (const rig::BadSkin& bad : cases) {
        rig::WriteTextFile(skinIni, bad.iniText);
        RunTimed(watchdog, tally, bad.label, [&] {
            rig::Widget widget(settings.c_str(), "W");
            REQUIRE(widget.instance() != nullptr);
            ExerciseRedraws(widget);
        });
        PlayAfresh(scene.player());
        // Caches of the system fill during the first cases; growth counts from here.
        if (tally.cases == 40) start = Measure();
        if (tally.cases % 500 == 0)
            std::printf("  %d of %zu cases, %.1f s\n", tally.cases, cases.size(), (GetTickCount() - began) / 1000.0);
    }
    tally.Print("skin keys", watchdog);
    CHECK(tally.cases >= 2000);
    CHECK(tally.slow.empty());
    const Figures end = Measure();
    Print("cases 41 to last", start, end);
    CheckNoGrowth(start, end, 16 << 20);
}

}  // namespace proof
