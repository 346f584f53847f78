// The long run: 100,000 poll ticks and 100,000 scroll ticks on widgets whose
// tracks, artwork and skins keep changing, then 20 widgets created and
// destroyed in random order while their window timers run, then clicks
// right after the player vanished and last teardowns with the timers
// running, on a machine kept busy. Prints the
// process's private memory, GDI+ objects alive, player references and
// automation strings outstanding at the start and end of each part; growth
// beyond a small fixed allowance fails. Run: make soak
#include "rig/bad_skins.h"
#include "rig/modal_driver.h"
#include "tests/proof_figures.h"
#include "tests/proof_player_scene.h"
#include "tests/proof_watchdog.h"

#include <atomic>
#include <memory>
#include <random>
#include <thread>

namespace {

constexpr int kTicks = 100000;
constexpr long long kAllowedBytes = 8 << 20;

sim::Player& Player() { return sim::Player::Get(); }

// The skins the widgets take in turn: every feature, the bundled default,
// and two that send the widget to each other by hotspots.
const char* const kSkins[] = {"Everything", "Default", "Proof", "ProofOther"};

std::string SettingsFor(const char* skin, const std::string& extra = "") {
    const std::string ini = rig::WorkFolder() + "soak_" + skin + ".ini";
    rig::WriteTextFile(ini, std::string("[W]\nSkinDir=") + skin + "\n" + extra);
    return ini;
}

void InstallSkins() {
    proof::InstallEverythingSkin();
    rig::InstallBundledSkin("Default");
    rig::InstallBadSkin("Proof", {"good", rig::GoodSkinText("ProofOther")});
    rig::InstallBadSkin("ProofOther", {"bounce", rig::BounceBackSkinText("Proof")});
}

// A new track (and artwork or none) every so often, as a listener's evening goes.
void ChangeTrack(int step) {
    const int index = step % Player().TrackCount();
    Player().SetArtwork(index, step % 3 != 0);
    Player().SetCurrentTrack(index);
    Player().SetRating(index, (step * 7) % 101);
    Player().SetVolume((step * 13) % 101);
    Player().SetPlaying(step % 11 != 0);
}

// Every part starts from the same scene: the skins in place, the player
// running and playing.
void StartPart(bool realTime = false) {
    proof::WatchModule();
    InstallSkins();
    rig::RunningPlayer();
    if (realTime) Player().clock().UseRealTime();
    proof::StartPlaying(Player());
}

// A new watched period; the records of the last one are dropped, or they
// would grow through the run.
void NextPeriod(proof::Watchdog& watchdog, const char* part) {
    watchdog.End();
    watchdog.Begin(part);
    Player().calls().Clear();
    rig::RecordingHost::Get().ClearCalls();
}

// The figures and the time where a part's measured stretch begins.
struct Baseline {
    proof::Figures figures;
    DWORD began = 0;
    void Take() {
        figures = proof::Measure();
        began = GetTickCount();
    }
};

void Report(const char* part, const Baseline& start) {
    const proof::Figures end = proof::Measure();
    std::printf("  %.1f s\n", (GetTickCount() - start.began) / 1000.0);
    proof::Print(part, start.figures, end);
    proof::CheckNoGrowth(start.figures, end, kAllowedBytes);
}

// Threads that keep every core busy while they live, as a loaded machine would.
class Load {
public:
    Load() {
        for (unsigned n = std::max(1u, std::thread::hardware_concurrency()); n > 0; --n)
            threads_.emplace_back([this] {
                volatile unsigned sink = 0;
                while (!stop_)
                    for (unsigned i = 0; i < 100000; ++i) sink = sink * 31 + i;
            });
    }
    ~Load() {
        stop_ = true;
        for (std::thread& thread : threads_) thread.join();
    }
    Load(const Load&) = delete;
    Load& operator=(const Load&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

}  // namespace

TEST_CASE(soak_poll_ticks_with_changing_tracks_art_and_skins) {
    StartPart();
    proof::Watchdog watchdog(60000);
    Baseline start;
    std::unique_ptr<rig::Widget> widget;
    for (int tick = 0; tick < kTicks; ++tick) {
        if (tick % 2000 == 0) {
            // Everything the widget holds is let go before the next skin's widget comes.
            widget.reset();
            // Measured with no widget alive, like the end.
            if (tick == 4000) start.Take();
            widget = std::make_unique<rig::Widget>(SettingsFor(kSkins[(tick / 2000) % 4]).c_str(), "W");
        }
        if (tick % 40 == 0) ChangeTrack(tick / 40);
        if (tick % 250 == 0) widget->Click(190, 90);  // a hotspot on the bouncing skins
        if (tick % 1000 == 0) NextPeriod(watchdog, "poll ticks");
        Player().clock().Advance(1000);
        widget->PollTick();
    }
    widget.reset();
    watchdog.End();
    std::printf("  %d poll ticks, longest 1000 took %lu ms\n", kTicks, watchdog.longestMs());
    Report("poll ticks 4,000 to 100,000", start);
}

TEST_CASE(soak_scroll_ticks_with_changing_texts) {
    StartPart();
    proof::Watchdog watchdog(60000);
    Baseline start;
    std::unique_ptr<rig::Widget> widget;
    for (int tick = 0; tick < kTicks; ++tick) {
        if (tick % 20000 == 0) {
            widget.reset();
            if (tick == 20000) start.Take();
            widget = std::make_unique<rig::Widget>(SettingsFor(tick % 40000 ? "Default" : "Everything").c_str(), "W");
            widget->PollTick();
            widget->MouseOn();
        }
        if (tick % 300 == 0) {
            // A new text, too wide for the pane: the marquee starts over with it.
            Player().TrackAt(tick / 300 % Player().TrackCount())->artist =
                L"Artist number " + std::to_wstring(tick) + L" with a name much wider than any info pane";
            ChangeTrack(tick / 300);
            Player().SetPlaying(true);
        }
        if (tick % 1000 == 0) NextPeriod(watchdog, "scroll ticks");
        Player().clock().Advance(100);
        widget->ScrollTick();
        if (tick % 10 == 0) widget->PollTick();
        if (tick % 5000 == 2500) {
            widget->MouseOut();
            widget->MouseOn();
        }
    }
    widget.reset();
    watchdog.End();
    std::printf("  %d scroll ticks, longest 1000 took %lu ms\n", kTicks, watchdog.longestMs());
    Report("scroll ticks 20,000 to 100,000", start);
}

TEST_CASE(soak_twenty_widgets_come_and_go_while_their_timers_run) {
    StartPart(true);  // the window timers run on a real clock
    std::mt19937 random(20240611);
    proof::Watchdog watchdog(60000);
    std::vector<std::unique_ptr<rig::Widget>> widgets;
    Baseline start;
    int created = 0;
    int destroyed = 0;
    constexpr int kSteps = 3000;
    for (int step = 0; step < kSteps; ++step) {
        if (step % 100 == 0) {
            NextPeriod(watchdog, "twenty widgets");
            ChangeTrack(step / 100);
        }
        if (widgets.size() < 20 && (widgets.empty() || random() % 2)) {
            const char* skin = kSkins[random() % 4];
            widgets.push_back(std::make_unique<rig::Widget>(SettingsFor(skin).c_str(), "W"));
            if (random() % 2) widgets.back()->MouseOn();  // its marquee timer runs
            ++created;
        } else {
            widgets.erase(widgets.begin() + static_cast<long>(random() % widgets.size()));
            ++destroyed;
        }
        // The window timers fire between the host's calls, as in a real host.
        rig::PumpFor(static_cast<int>(random() % 15));
        if (step == 500) {
            widgets.clear();
            start.Take();
        }
    }
    widgets.clear();
    rig::PumpFor(50);
    watchdog.End();
    std::printf("  %d widgets created and %d destroyed, up to 20 at once, longest 100 steps %lu ms\n", created,
                destroyed, watchdog.longestMs());
    Report("steps 500 to 3,000", start);
}

// Two paths once seen to stall under heavy load: a click on the widget's
// corner (the skin's player-window button) right after the player vanished,
// and the teardown of the only widget while its window timers fire. Each
// round runs both with every core kept busy; a round over a second has the
// module's stack printed, one over twenty ends the run.
TEST_CASE(soak_clicks_after_the_player_vanished_and_last_teardowns_under_load) {
    StartPart(true);
    rig::ModalDriver dialogs;  // the click may find no player: its message box is answered
    proof::Watchdog watchdog(20000, 1000);
    std::mt19937 random(20241209);
    constexpr int kRounds = 3000;
    int slow = 0;
    Baseline start;
    const Load load;
    for (int round = 0; round < kRounds; ++round) {
        watchdog.Begin("click after the player vanished, then the last teardown");
        {
            rig::Widget widget(SettingsFor("Proof").c_str(), "W");
            if (random() % 2) widget.MouseOn();  // the marquee's timer runs too
            rig::PumpFor(static_cast<int>(random() % 20));
            Player().faults().DisconnectAll();
            Player().Quit();
            widget.Click(1, 1);
            Player().faults().Clear();
            rig::PumpFor(static_cast<int>(random() % 20));
        }
        rig::PumpFor(static_cast<int>(random() % 5));
        slow += watchdog.Slow(watchdog.End());
        if (!Player().Running()) Player().Start(false);
        proof::StartPlaying(Player());
        Player().calls().Clear();
        rig::RecordingHost::Get().ClearCalls();
        if (round == 200) start.Take();
    }
    std::printf("  %d rounds under load, %d over a second, longest %lu ms, %d windows answered\n", kRounds, slow,
                watchdog.longestMs(), dialogs.unplanned());
    CHECK_EQ(slow, 0);
    Report("rounds 200 to 3,000", start);
}
