// How a playing tick's cost grows with the skin: 0, 8 and 32 extra infos on a
// display pane of 1x and 4x the area, each as a multiple of the floor (a
// fresh frame with one cached image, handed over) of the base area and of its
// own, timed in turn with the tick.
#include "bench/timing.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <cstdio>

namespace {

constexpr int kScaleSamples = 400;
constexpr int kBaseWidth = 240;
constexpr int kBaseHeight = 60;

// A skin with the usual panes and `extraInfos` boxes on a display pane `scale` times the base side.
std::string ScaleSkin(int extraInfos, int scale) {
    static const char* const types[] = {"album", "genre", "composer", "length", "name", "artist", "kind", "comment"};
    const int width = kBaseWidth * scale;
    const int height = kBaseHeight * scale;
    std::string text = "[Bg]\nWidth=" + std::to_string(width) + "\nHeight=" + std::to_string(height) +
                       "\n[DisplayPane]\nWidth=" + std::to_string(width) + "\nHeight=" + std::to_string(height) +
                       "\n[InfoPane]\nWidth=150\nHeight=20\n[CounterPane]\nLeft=160\nWidth=60\nHeight=20\n"
                       "[ProgressBar]\nTop=24\nWidth=200\nHeight=6\n[ExtraInfos]\nCount=" +
                       std::to_string(extraInfos) + "\n";
    for (int n = 0; n < extraInfos; ++n)
        text += "[ExtraInfo-" + std::to_string(n + 1) + "]\nLeft=" + std::to_string(n % 4 * 60) + "\nTop=" +
                std::to_string(30 + n / 4 % 3 * 10) + "\nWidth=60\nHeight=10\nSize=8\nType=" + types[n % 8] + "\n";
    return text;
}

}  // namespace

TEST_CASE(redraw_cost_against_extra_infos_and_pane_area) {
    sim::Player& player = rig::RunningPlayer();
    player.SetCurrentTrack(0);
    player.SetPlaying(true);

    std::printf("playing tick against the skin, %d rounds each; ratios: median (quartiles)\n", kScaleSamples);
    for (int scale : {1, 2}) {
        for (int extraInfos : {0, 8, 32}) {
            const std::string name = "Scale" + std::to_string(extraInfos) + "x" + std::to_string(scale);
            rig::MakeSkin(name, ScaleSkin(extraInfos, scale));
            const std::string ini = rig::WorkFolder() + "scale.ini";
            rig::WriteTextFile(ini, "[W]\nSkinDir=" + name + "\n");
            rig::Widget widget(ini.c_str(), "W");
            for (int tick = 0; tick < 50; ++tick) widget.PollTick();
            const TickKind playing = {[&] { player.clock().Advance(1000); }, [&] { widget.PollTick(); }};
            const RatioFigures base =
                InterleavedRatio(kScaleSamples, FloorTick(widget.window(), kBaseWidth, kBaseHeight), playing);
            const RatioFigures own = InterleavedRatio(
                kScaleSamples, FloorTick(widget.window(), kBaseWidth * scale, kBaseHeight * scale), playing);
            std::printf("%2d extra infos, %dx area  %8.1f us  %6.2f x floor (%.2f to %.2f)  "
                        "%6.2f x floor of its area (%.2f to %.2f)\n",
                        extraInfos, scale * scale, base.tickMicroseconds, base.medianRatio, base.lowerQuartile,
                        base.upperQuartile, own.medianRatio, own.lowerQuartile, own.upperQuartile);
        }
    }
}
