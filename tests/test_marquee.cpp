// The marquee of an info text too wide for its pane, through the real module.
#include "core/timer_ids.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kPaneHeight = 30;
const std::wstring kWideArtist = L"The Lantern Society and the Harbour Light Orchestra";

// The player on its first track, whose artist is too wide for the panes.
struct PlayingPlayer : rig::PlayerScene {
    sim::Player& sim = player();
    PlayingPlayer() : rig::PlayerScene(0, true) { sim.TrackAt(0)->artist = kWideArtist; }
};

// Width of the text's outline laid out on one line, as the module measures it.
int OneLineWidth(const std::wstring& text) {
    Gdiplus::FontFamily family(L"Arial");
    Gdiplus::StringFormat format(0, LANG_NEUTRAL);
    format.SetAlignment(Gdiplus::StringAlignmentNear);
    Gdiplus::GraphicsPath path;
    path.AddString(text.c_str(), -1, &family, 0, 14.0f, Gdiplus::RectF(0, 0, 4000, kPaneHeight), &format);
    Gdiplus::Rect bounds;
    path.GetBounds(&bounds);
    return bounds.Width;
}

std::string MarqueeSkin(int paneWidth) {
    const std::string name = "marquee" + std::to_string(paneWidth);
    rig::MakeSkin(name, "[DisplayPane]\nWidth=600\nHeight=60\n[Font]\nSize=14\n[InfoPane]\nLeft=0\nTop=0\nWidth=" +
                            std::to_string(paneWidth) + "\nHeight=" + std::to_string(kPaneHeight) + "\n");
    const std::string ini = rig::WorkFolder() + name + ".ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + name + "\n");
    return ini;
}

using Rows = std::vector<std::vector<Gdiplus::ARGB>>;

Rows PaneRows(Gdiplus::Image* frame, int width) {
    Rows rows(kPaneHeight + 10);
    for (int y = 0; y < kPaneHeight + 10; ++y)
        for (int x = 0; x < width; ++x) rows[y].push_back(rig::PixelAt(frame, x, y));
    return rows;
}

// How far the pane's content lies left of the reference's; -100 if no shift matches.
int ShiftFrom(const Rows& reference, const Rows& shown) {
    const int width = static_cast<int>(reference[0].size());
    for (int shift = -10; shift <= 60; ++shift) {
        bool same = true;
        for (size_t y = 0; y < reference.size() && same; ++y)
            for (int x = std::max(0, -shift); x < std::min(width, width - shift) && same; ++x)
                same = shown[y][x] == reference[y][x + shift];
        if (same) return shift;
    }
    return -100;
}

bool Scrolling(const rig::Widget& widget) { return rig::TimerRunning(widget.window(), kScrollTimerId, kScrollTimerPeriodMs); }

}  // namespace

TEST_CASE(a_text_scrolls_only_when_wider_than_its_pane_and_only_under_the_mouse) {
    PlayingPlayer player;
    const int textWidth = OneLineWidth(kWideArtist);
    REQUIRE(textWidth > 200);
    {
        rig::Widget widget(MarqueeSkin(textWidth).c_str(), "W");
        widget.MouseOn();
        CHECK(!Scrolling(widget));
        widget.MouseOut();
    }
    rig::Widget widget(MarqueeSkin(textWidth - 1).c_str(), "W");
    widget.PollTick();
    CHECK(!Scrolling(widget));
    widget.MouseOn();
    CHECK(Scrolling(widget));
    // While the text scrolls, the once-a-second tick leaves the redraws to the marquee.
    const size_t frames = rig::RecordingHost::Get().Count("DeskletLayerSetImage");
    widget.PollTick();
    CHECK_EQ(rig::RecordingHost::Get().Count("DeskletLayerSetImage"), frames);
    widget.MouseOut();
    CHECK(!Scrolling(widget));
}

TEST_CASE(marquee_runs_to_the_end_waits_six_ticks_runs_back_and_waits_again) {
    PlayingPlayer player;
    // The text image is the outline's width plus 10; the pane is 50 narrower.
    const int paneWidth = OneLineWidth(kWideArtist) + 10 - 50;
    rig::Widget widget(MarqueeSkin(paneWidth).c_str(), "W");
    widget.PollTick();
    const Rows laidOut = PaneRows(widget.InfoFrame(), paneWidth);

    widget.MouseOn();
    REQUIRE(Scrolling(widget));
    widget.ScrollTick();
    const Rows atTwo = PaneRows(widget.InfoFrame(), paneWidth);
    std::vector<int> expected = {2};
    for (int offset = 4; offset <= 50; offset += 2) expected.push_back(offset);
    for (int tick = 0; tick < 6; ++tick) expected.push_back(50);
    for (int offset = 48; offset >= 0; offset -= 2) expected.push_back(offset);
    for (int tick = 0; tick < 6; ++tick) expected.push_back(0);
    expected.push_back(2);

    std::vector<int> shown = {2};
    for (size_t tick = 1; tick < expected.size(); ++tick) {
        widget.ScrollTick();
        shown.push_back(2 + ShiftFrom(atTwo, PaneRows(widget.InfoFrame(), paneWidth)));
    }
    CHECK(shown == expected);

    // Leaving stops it at once and the text is laid out with its alignment again.
    widget.MouseOut();
    CHECK(!Scrolling(widget));
    CHECK(PaneRows(widget.InfoFrame(), paneWidth) == laidOut);
}

TEST_CASE(a_new_text_under_the_mouse_restarts_or_stops_the_marquee) {
    PlayingPlayer player;
    const int paneWidth = OneLineWidth(kWideArtist) - 20;
    rig::Widget widget(MarqueeSkin(paneWidth).c_str(), "W");
    widget.PollTick();
    widget.MouseOn();
    REQUIRE(Scrolling(widget));

    // Tick 9 switches to the short track name; the next marquee redraw notices it.
    for (int tick = 2; tick <= 9; ++tick) widget.PollTick();
    widget.ScrollTick();
    CHECK(!Scrolling(widget));

    // Back to the wide artist with the mouse still over: scrolling starts again.
    for (int tick = 10; tick <= 19; ++tick) widget.PollTick();
    CHECK(Scrolling(widget));
    widget.MouseOut();
    widget.Destroy();
    player.sim.Quit();
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}
