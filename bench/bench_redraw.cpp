// Cost of the widget's redraws under the recording host: the floor (a frame
// with one cached image, handed over), a playing tick, a marquee tick and a
// paused tick, as median microseconds and as multiples of the floor, and the
// GDI+ objects alive after 10,000 ticks. Run: tools/wine-run bench_redraw.exe
#include "rig/gdiplus_count.h"
#include "bench/timing.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <cstdio>

namespace {

constexpr int kSamples = 1500;

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

    const double floor = FloorMicroseconds(kSamples, widget.window(), width, height);
    // A playing tick comes once a second: the counter shows a new time each time.
    const double playing = MedianMicroseconds(kSamples, [&] { widget.PollTick(); }, [&] { player.clock().Advance(1000); });
    widget.MouseOn();
    const double marquee = MedianMicroseconds(kSamples, [&] { widget.ScrollTick(); }, [&] { player.clock().Advance(100); });
    widget.MouseOut();
    player.SetPlaying(false);
    widget.PollTick();
    const double paused = MedianMicroseconds(kSamples, [&] { widget.PollTick(); }, [&] { player.clock().Advance(1000); });

    // 10,000 ticks in all: the timed ones above and the rest playing.
    player.SetPlaying(true);
    for (int tick = 100 + 4 * kSamples; tick < 10000; ++tick) {
        player.clock().Advance(1000);
        widget.PollTick();
        if (tick % 200 == 0) rig::RecordingHost::Get().ClearCalls();
    }
    const long aliveAfterTicks = GdiplusObjectsAlive();

    std::printf("display pane %d x %d, skin Default, %d samples each\n", width, height, kSamples);
    std::printf("floor           %8.1f us   1.00 x floor\n", floor);
    std::printf("playing tick    %8.1f us  %5.2f x floor   (target <= 4)\n", playing, playing / floor);
    std::printf("marquee tick    %8.1f us  %5.2f x floor   (target <= 2)\n", marquee, marquee / floor);
    std::printf("paused tick     %8.1f us  %5.2f x floor   %.2f %% of playing (target <= 2 %%)\n", paused,
                paused / floor, 100.0 * paused / playing);
    std::printf("GDI+ objects alive: %ld after warm-up, %ld after 10,000 ticks\n", aliveAfterWarmUp, aliveAfterTicks);
    CHECK_EQ(aliveAfterTicks, aliveAfterWarmUp);
}
