// Cost of the widget's redraws under the recording host: a playing tick, a
// marquee tick and a paused tick, each timed in turn with the floor (a frame
// with one cached image, handed over), as median microseconds and as the
// median and quartiles of their ratio to the floor; and the GDI+ objects alive
// after 10,000 ticks. Run: make bench
#include "rig/gdiplus_count.h"
#include "bench/timing.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <cstdio>

namespace {

constexpr int kSamples = 1500;

void PrintRatio(const char* what, const RatioFigures& figures, const char* target) {
    std::printf("%-13s %8.1f us %8.1f us   %5.2f x (%.2f to %.2f)   %s\n", what, figures.tickMicroseconds,
                figures.floorMicroseconds, figures.medianRatio, figures.lowerQuartile, figures.upperQuartile, target);
}

}  // namespace

TEST_CASE(redraw_benchmark) {
    CountGdiplusObjectsOf(GetModuleHandleA(nullptr));
    CountGdiplusObjectsOf(rig::TheModule().handle);

    sim::Player& player = sim::Player::Get();
    player.Reset();
    player.Register();
    player.Start(false);
    player.SetCurrentTrack(0);
    player.TrackAt(0)->artist = L"The Lantern Society and the Harbour Light Orchestra, live";
    player.SetPlaying(true);

    rig::InstallBundledSkin("Default");
    const std::string ini = rig::WorkFolder() + "bench.ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=Default\n");
    rig::Widget widget(ini.c_str(), "W");
    Gdiplus::Bitmap* firstFrame = widget.InfoFrame();
    REQUIRE(firstFrame != nullptr);
    const int width = static_cast<int>(firstFrame->GetWidth());
    const int height = static_cast<int>(firstFrame->GetHeight());

    for (int tick = 0; tick < 100; ++tick) widget.PollTick();
    const long aliveAfterWarmUp = GdiplusObjectsAlive();

    RatioFigures playing, marquee, paused;
    {
        const FloorTick floor(widget.window(), width, height);
        // A playing tick comes once a second: the counter shows a new time each time.
        playing = InterleavedRatio(kSamples, floor, {[&] { player.clock().Advance(1000); }, [&] { widget.PollTick(); }});
        widget.MouseOn();
        marquee = InterleavedRatio(kSamples, floor, {[&] { player.clock().Advance(100); }, [&] { widget.ScrollTick(); }});
        widget.MouseOut();
        player.SetPlaying(false);
        widget.PollTick();
        paused = InterleavedRatio(kSamples, floor, {[&] { player.clock().Advance(1000); }, [&] { widget.PollTick(); }});
    }

    // 10,000 ticks in all: the timed ones above and the rest playing.
    player.SetPlaying(true);
    for (int tick = 100 + 3 * kSamples; tick < 10000; ++tick) {
        player.clock().Advance(1000);
        widget.PollTick();
        if (tick % 200 == 0) rig::RecordingHost::Get().ClearCalls();
    }
    const long aliveAfterTicks = GdiplusObjectsAlive();

    std::printf("display pane %d x %d, skin Default, %d rounds of floor and tick each\n", width, height, kSamples);
    std::printf("                 tick       floor    tick / floor of its round: median (quartiles)\n");
    PrintRatio("playing tick", playing, "target <= 4");
    PrintRatio("marquee tick", marquee, "target <= 2");
    PrintRatio("paused tick", paused, "");
    std::printf("paused tick: %.2f %% of a playing one (target <= 2 %%)\n",
                100.0 * paused.tickMicroseconds / playing.tickMicroseconds);
    std::printf("GDI+ objects alive: %ld after warm-up, %ld after 10,000 ticks\n", aliveAfterWarmUp, aliveAfterTicks);
    CHECK_EQ(aliveAfterTicks, aliveAfterWarmUp);
}
