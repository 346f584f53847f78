// Cost of the widget's redraws under the recording host, for every bundled
// skin: a playing tick, a marquee tick and a paused tick, each timed in turn
// with the floor (a frame of the skin's display pane with one cached image,
// handed over), as median microseconds and as the median and quartiles of
// their ratio to the floor; and, on the Default skin, the GDI+ objects alive
// after 10,000 ticks. Run: make bench
#include "rig/gdiplus_count.h"
#include "bench/timing.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <cstdio>

namespace {

constexpr int kSamples = 1500;
const char* const kBundledSkins[] = {"Default", "Slim", "SlimExpanded", "Tower"};

void PrintRatio(const char* what, const RatioFigures& figures, const char* target) {
    std::printf("  %-13s %8.1f us %8.1f us   %5.2f x (%.2f to %.2f)   %s\n", what, figures.tickMicroseconds,
                figures.floorMicroseconds, figures.medianRatio, figures.lowerQuartile, figures.upperQuartile, target);
}

// A widget of the skin, playing the long-named first track, warmed up.
std::unique_ptr<rig::Widget> PlayingWidget(sim::Player& player, const char* skin) {
    player.SetCurrentTrack(0);
    player.SetPlaying(true);
    rig::InstallBundledSkin(skin);
    const std::string ini = rig::WorkFolder() + "bench.ini";
    rig::WriteTextFile(ini, std::string("[W]\nSkinDir=") + skin + "\n");
    auto widget = std::make_unique<rig::Widget>(ini.c_str(), "W");
    for (int tick = 0; tick < 100; ++tick) widget->PollTick();
    return widget;
}

// The three kinds of tick of one skin against its floor.
void MeasureTicks(sim::Player& player, const char* skin) {
    const std::unique_ptr<rig::Widget> widget = PlayingWidget(player, skin);
    Gdiplus::Bitmap* frame = widget->InfoFrame();
    REQUIRE(frame != nullptr);
    const int width = static_cast<int>(frame->GetWidth());
    const int height = static_cast<int>(frame->GetHeight());
    const FloorTick floor(widget->window(), width, height);
    // A playing tick comes once a second: the counter shows a new time each time.
    const RatioFigures playing =
        InterleavedRatio(kSamples, floor, {[&] { player.clock().Advance(1000); }, [&] { widget->PollTick(); }});
    widget->MouseOn();
    const RatioFigures marquee =
        InterleavedRatio(kSamples, floor, {[&] { player.clock().Advance(100); }, [&] { widget->ScrollTick(); }});
    widget->MouseOut();
    player.SetPlaying(false);
    widget->PollTick();
    const RatioFigures paused =
        InterleavedRatio(kSamples, floor, {[&] { player.clock().Advance(1000); }, [&] { widget->PollTick(); }});
    std::printf("%s: display pane %d x %d\n", skin, width, height);
    PrintRatio("playing tick", playing, "target <= 4");
    PrintRatio("marquee tick", marquee, "target <= 2");
    PrintRatio("paused tick", paused, "");
    std::printf("  paused tick: %.2f %% of a playing one (target <= 2 %%)\n",
                100.0 * paused.tickMicroseconds / playing.tickMicroseconds);
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

    std::printf("%d rounds of floor and tick each; tick / floor of its round: median (quartiles)\n", kSamples);
    std::printf("                   tick       floor\n");
    for (const char* skin : kBundledSkins) MeasureTicks(player, skin);

    const std::unique_ptr<rig::Widget> widget = PlayingWidget(player, "Default");
    const long aliveAfterWarmUp = GdiplusObjectsAlive();
    for (int tick = 100; tick < 10000; ++tick) {
        player.clock().Advance(1000);
        widget->PollTick();
        if (tick % 200 == 0) rig::RecordingHost::Get().ClearCalls();
    }
    const long aliveAfterTicks = GdiplusObjectsAlive();

    std::printf("GDI+ objects alive, Default: %ld after warm-up, %ld after 10,000 ticks\n", aliveAfterWarmUp, aliveAfterTicks);
    CHECK_EQ(aliveAfterTicks, aliveAfterWarmUp);
}
