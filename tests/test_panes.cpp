// The counter, the progress knob and the rating and sound panes, drawn by the
// real module into its info frame.
#include "proof_watchdog.h"
#include "rig/rig.h"
#include "sim/player.h"

// The time text is pure arithmetic, and its outline pure layout: both are checked on their own.
#include "render/font_face.h"
#include "render/format_time.h"
#include "render/placed_glyphs.h"
#include "render/text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr Gdiplus::ARGB kRed = 0xFFFF0000;
constexpr Gdiplus::ARGB kBlue = 0xFF0000FF;

// A skin with a 200 × 100 display pane and an invisible info text, plus the
// groups given; returns the settings file that selects it.
std::string PaneSkin(const std::string& name, const std::string& groups, const std::string& settings = "") {
    rig::MakeSkin(name, "[DisplayPane]\nWidth=200\nHeight=100\n[Font]\nColorA=0\n" + groups);
    const std::string ini = rig::WorkFolder() + name + ".ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + name + "\n" + settings);
    return ini;
}

std::string ImagePath(const std::string& skin, const std::string& file) {
    return rig::WorkFolder() + "skins\\" + skin + "\\images\\" + file;
}

void WriteStripImages(const std::string& skin, const std::string& pane, int width, int height) {
    rig::WritePng(ImagePath(skin, pane + "_filled.png"), width, height, kRed);
    rig::WritePng(ImagePath(skin, pane + "_unfilled.png"), width, height, kBlue);
}

// A frame of that size holding only the whole knob shape, filled red and
// outlined blue as the widget draws a knob, with nothing cut or bounded.
std::vector<Gdiplus::ARGB> WholeShape(SIZE frame, bool ellipse, const Gdiplus::Rect& box) {
    Gdiplus::Bitmap bitmap(frame.cx, frame.cy, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        Gdiplus::GraphicsPath path;
        if (ellipse)
            path.AddEllipse(box);
        else
            path.AddRectangle(box);
        Gdiplus::SolidBrush fill{Gdiplus::Color(kRed)};
        Gdiplus::Pen outline(Gdiplus::Color(kBlue), 1.0f);
        graphics.FillPath(&fill, &path);
        graphics.DrawPath(&outline, &path);
    }
    return rig::Pixels(&bitmap, {0, 0, frame.cx, frame.cy});
}

size_t ImageLoads(const std::string& file) {
    size_t count = 0;
    for (const auto& call : rig::RecordingHost::Get().Named("DeskletLoadGDIPlusImage"))
        count += call.args.find(file) != std::string::npos;
    return count;
}

}  // namespace

TEST_CASE(format_time_pads_minutes_and_seconds_and_shows_hours_only_when_needed) {
    const struct {
        int seconds;
        const wchar_t* text;
    } cases[] = {{0, L"00:00"},    {5, L"00:05"},      {65, L"01:05"},       {599, L"09:59"},
                 {3599, L"59:59"}, {3600, L"1:00:00"}, {3725, L"1:02:05"},   {36000, L"10:00:00"},
                 {-5, L"-00:05"},  {-65, L"-01:05"},   {-3725, L"-1:02:05"}, {-2147483647 - 1, L"-596523:14:08"}};
    for (const auto& c : cases) CHECK_EQ(FormatTime(c.seconds), std::wstring(c.text));
}

// A time put together from kept glyph outlines must fill exactly the pixels
// of the same text laid out whole: same points, bit for bit, in every
// alignment, also where a long time wraps in a narrow pane (laid out whole).
TEST_CASE(counter_placed_from_kept_glyph_outlines_is_the_whole_text_laid_out) {
    const std::unique_ptr<Gdiplus::FontFamily> family = DrawingFamily(L"Arial");
    REQUIRE(family != nullptr);
    const auto outline = [](const Gdiplus::GraphicsPath& path) {
        const INT count = path.GetPointCount();
        std::vector<Gdiplus::PointF> points(static_cast<size_t>(std::max(count, 0)));
        std::vector<BYTE> types(points.size());
        path.GetPathPoints(points.data(), count);
        path.GetPathTypes(types.data(), count);
        return std::make_pair(points, types);
    };
    for (const PaneRect pane : {PaneRect{100, 3, 38, 14}, PaneRect{6, 40, 120, 16}}) {
        for (int alignment = 0; alignment <= 2; ++alignment) {
            for (int style : {0, 1}) {
                const FontSpec font{L"Arial", 0xFF8FB0CC, 10.0f + alignment, style, alignment};
                PlacedGlyphs glyphs;
                int placed = 0, texts = 0;
                for (int seconds = -4000; seconds <= 40000; seconds += seconds < 0 || seconds > 4000 ? 997 : 13) {
                    const std::wstring text = FormatTime(seconds);
                    Gdiplus::GraphicsPath fromKept, whole;
                    placed += glyphs.AddOutline(fromKept, text, font, pane, family.get());
                    AddTextOutline(whole, text, font, pane, family.get());
                    ++texts;
                    const auto [keptPoints, keptTypes] = outline(fromKept);
                    const auto [wholePoints, wholeTypes] = outline(whole);
                    REQUIRE(!wholePoints.empty());
                    REQUIRE(keptPoints.size() == wholePoints.size());
                    CHECK(std::memcmp(keptPoints.data(), wholePoints.data(),
                                      keptPoints.size() * sizeof(Gdiplus::PointF)) == 0);
                    CHECK(keptTypes == wholeTypes);
                }
                // Arial's digits share one width: where the times fit, all but each shape's first are put together.
                if (pane.width > 100) CHECK(placed > texts * 9 / 10);
            }
        }
    }
}

TEST_CASE(counter_shows_time_remaining_or_played_and_nothing_without_a_pane) {
    const std::string counter =
        "[CounterPane]\nLeft=0\nTop=0\nWidth=200\nHeight=40\n[CounterFont]\nColorA=255\nSize=20\n";
    const RECT area = {0, 0, 200, 40};
    rig::PlayerScene running(0, false);
    running.player().CurrentTrack()->duration = 200;

    running.player().SetPosition(30);
    std::vector<Gdiplus::ARGB> remaining;
    {
        rig::Widget widget(PaneSkin("counter_left", counter, "ShowTimePlayed=0\n").c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        remaining = rig::Pixels(widget.InfoFrame(), area);
        CHECK(rig::OpaquePixels(widget.InfoFrame(), area) > 0);
    }
    running.player().SetPosition(170);
    {
        // 170 played reads 02:50, as 30 played of 200 reads in remaining mode.
        rig::Widget widget(PaneSkin("counter_played", counter, "ShowTimePlayed=1\n").c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK(rig::Pixels(widget.InfoFrame(), area) == remaining);
    }
    running.player().SetPosition(30);
    {
        rig::Widget widget(PaneSkin("counter_played", counter, "ShowTimePlayed=1\n").c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK(rig::Pixels(widget.InfoFrame(), area) != remaining);
    }
    {
        // A skin that leaves the counter out gets no text laid out at the frame's corner.
        rig::Widget widget(PaneSkin("counter_none", "[CounterFont]\nColorA=255\nSize=20\n").c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), {0, 0, 200, 100}), 0);
    }
}

TEST_CASE(ellipse_knob_left_edge_follows_the_position_from_bar_start_to_just_past_its_end) {
    const std::string ini = PaneSkin("knob_ellipse",
                                     "[ProgressBar]\nLeft=10\nTop=40\nWidth=100\nHeight=6\n"
                                     "[Knob]\nWidth=6\nHeight=6\n[InnerKnob]\nColorR=255\n[OuterKnob]\nColorR=255\n");
    rig::PlayerScene running(0, false);
    const long duration = running.player().CurrentTrack()->duration;
    const struct {
        long position;
        int knobLeft;
    } cases[] = {{0, 10}, {duration, 110}};
    for (const auto& c : cases) {
        running.player().SetPosition(c.position);
        rig::Widget widget(ini.c_str(), "W");
        Gdiplus::Image* frame = widget.InfoFrame();
        REQUIRE(frame != nullptr);
        CHECK_EQ(rig::PixelAt(frame, c.knobLeft + 3, 43), kRed);
        CHECK_EQ(rig::AlphaOf(rig::PixelAt(frame, c.knobLeft - 2, 43)), 0);
        CHECK_EQ(rig::AlphaOf(rig::PixelAt(frame, c.knobLeft + 8, 43)), 0);
    }
}

TEST_CASE(bitmap_knob_is_revealed_not_squeezed_and_a_stream_has_no_knob) {
    const std::string bar =
        "[ProgressBar]\nLeft=0\nTop=10\nWidth=100\nHeight=6\n[InnerKnob]\nColorR=255\n[OuterKnob]\nColorR=255\n";
    rig::PlayerScene running(0, false);
    running.player().CurrentTrack()->duration = 200;
    running.player().SetPosition(100);
    {
        // The bitmap is revealed from its left, not squeezed: its blue right half stays hidden.
        const std::string ini = PaneSkin("knob_reveal", bar + "[Knob]\nHeight=6\nUseBitmap=1\nStretchKnob=1\n");
        Gdiplus::Bitmap knob(100, 6, PixelFormat32bppARGB);
        {
            Gdiplus::Graphics graphics(&knob);
            Gdiplus::SolidBrush red{Gdiplus::Color(kRed)}, blue{Gdiplus::Color(kBlue)};
            graphics.FillRectangle(&red, 0, 0, 50, 6);
            graphics.FillRectangle(&blue, 50, 0, 50, 6);
        }
        const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const std::string path = ImagePath("knob_reveal", "knob.png");
        knob.Save(std::wstring(path.begin(), path.end()).c_str(), &png, nullptr);
        rig::Widget widget(ini.c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK_EQ(rig::CountColour(widget.InfoFrame(), {0, 10, 100, 16}, kBlue), 0);
        CHECK_EQ(rig::PixelAt(widget.InfoFrame(), 40, 13), kRed);
        CHECK_EQ(rig::AlphaOf(rig::PixelAt(widget.InfoFrame(), 55, 13)), 0);
    }
    running.player().CurrentTrack()->duration = 0;
    running.player().SetPosition(0);
    {
        rig::Widget widget(PaneSkin("knob_stream", bar + "[Knob]\nWidth=6\nHeight=6\n").c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), {0, 0, 200, 100}), 0);
    }
}

// A knob far larger than the frame, or a bar reaching far past it, once cost
// seconds to a minute per redraw in the graphics library. Every knob now
// redraws at once, and a knob of sane size and place shows exactly the
// pixels of its whole shape.
TEST_CASE(knobs_of_any_size_or_position_redraw_at_once_and_sane_ones_show_their_whole_shape) {
    rig::PlayerScene running(0, true);
    const std::string bar =
        "[ProgressBar]\nLeft=10\nTop=40\nWidth=100\nHeight=6\n"
        "[InnerKnob]\nColorR=255\n[OuterKnob]\nColorB=255\n";
    const struct {
        const char* knob;
        long position;
    } extremes[] = {{"Width=-2147483648\nHeight=6\n", 30},
                    {"Width=-2147483647\nHeight=6\n", 30},
                    {"Width=6\nHeight=-2147483648\n", 30},
                    {"Width=6\nHeight=2147483647\n", 30},
                    {"Width=6\nHeight=6\nStretchKnob=1\n", 1000000000},
                    {"Width=6\nHeight=10000000\nStretchKnob=1\n", 30}};
    proof::Watchdog watchdog(30000);
    running.player().faults().ReturnNumber("IITTrack.get_Duration", 59);
    for (const auto& c : extremes) {
        watchdog.Begin(c.knob);
        running.player().faults().ReturnNumber("IiTunes.get_PlayerPosition", c.position);
        const std::string ini = PaneSkin("knob_extreme", bar + "[Knob]\n" + c.knob);
        const DWORD start = GetTickCount();
        rig::Widget widget(ini.c_str(), "W");
        // Creation redraws twice; a slow machine still does that in well under this.
        CHECK(GetTickCount() - start < 3000);
        CHECK(widget.InfoFrame() != nullptr);
        watchdog.End();
    }

    // Duration 60: a position of 30 is half the 100-pixel bar.
    running.player().faults().ReturnNumber("IITTrack.get_Duration", 60);
    const struct {
        const char* knob;
        long position;
        bool ellipse;
        Gdiplus::Rect box;
    } sane[] = {{"Width=6\nHeight=6\n", 0, true, {10, 40, 6, 6}},
                {"Width=6\nHeight=6\n", 30, true, {60, 40, 6, 6}},
                {"Width=6\nHeight=6\n", 66, true, {120, 40, 6, 6}},
                {"Width=6\nHeight=6\n", -12, true, {-10, 40, 6, 6}},
                {"Width=300\nHeight=150\n", 30, true, {60, 40, 300, 150}},
                {"Width=-40\nHeight=-30\n", 30, true, {60, 40, -40, -30}},
                {"Height=6\nStretchKnob=1\n", 30, false, {10, 40, 50, 6}},
                {"Height=6\nStretchKnob=1\n", 150, false, {10, 40, 250, 6}},
                {"Height=90\nStretchKnob=1\n", 90, false, {10, 40, 150, 90}},
                {"Height=6\nStretchKnob=1\n", -12, false, {10, 40, -20, 6}}};
    for (const auto& c : sane) {
        running.player().faults().ReturnNumber("IiTunes.get_PlayerPosition", c.position);
        rig::Widget widget(PaneSkin("knob_sane", bar + "[Knob]\n" + c.knob).c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK(rig::Pixels(widget.InfoFrame(), {0, 0, 200, 100}) == WholeShape({200, 100}, c.ellipse, c.box));
    }
}

// The revealed knob is scaled by the fraction of a pixel the position gives,
// so a knob that moves less than a pixel is drawn anew, and one that did not
// move is laid over alike, on a clear bar and over a strip drawn before it.
TEST_CASE(a_knob_that_did_not_move_is_laid_over_alike_and_a_fraction_of_a_pixel_redraws_it) {
    rig::PlayerScene running(0, true);
    running.player().CurrentTrack()->duration = 300;
    const std::string bar =
        "[ProgressBar]\nLeft=0\nTop=10\nWidth=100\nHeight=6\n[Knob]\nHeight=6\nUseBitmap=1\nStretchKnob=1\n";
    const std::string strip = "[RatingPane]\nLeft=0\nTop=8\nWidth=104\nHeight=10\n";
    const RECT area = {0, 8, 104, 18};
    for (const bool overStrip : {false, true}) {
        const std::string name = overStrip ? "knob_kept_over" : "knob_kept";
        const std::string ini = PaneSkin(name, bar + (overStrip ? strip : ""));
        if (overStrip) WriteStripImages(name, "rating", 104, 10);
        Gdiplus::Bitmap knob(100, 6, PixelFormat32bppARGB);
        {
            Gdiplus::Graphics graphics(&knob);
            Gdiplus::LinearGradientBrush shade(Gdiplus::Point(0, 0), Gdiplus::Point(100, 0), Gdiplus::Color(0x80FF0000),
                                               Gdiplus::Color(0xFF00FF00));
            graphics.FillRectangle(&shade, 0, 0, 100, 6);
        }
        const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const std::string path = ImagePath(name, "knob.png");
        knob.Save(std::wstring(path.begin(), path.end()).c_str(), &png, nullptr);

        running.player().SetPosition(151);  // 50.33 pixels
        std::vector<Gdiplus::ARGB> fresh;
        {
            rig::Widget widget(ini.c_str(), "W");
            REQUIRE(widget.InfoFrame() != nullptr);
            fresh = rig::Pixels(widget.InfoFrame(), area);
        }
        running.player().SetPosition(150);  // 50 pixels
        rig::Widget widget(ini.c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        const std::vector<Gdiplus::ARGB> first = rig::Pixels(widget.InfoFrame(), area);
        widget.PollTick();
        CHECK(rig::Pixels(widget.InfoFrame(), area) == first);
        running.player().SetPosition(151);
        widget.PollTick();
        CHECK(rig::Pixels(widget.InfoFrame(), area) == fresh);
        CHECK(fresh != first);
    }
}

TEST_CASE(five_star_rating_shows_whole_stars_and_plain_rating_is_exact) {
    const std::string pane = "[RatingPane]\nLeft=0\nTop=0\nWidth=100\nHeight=10\n";
    const struct {
        long rating;
        bool fiveStars;
        int filled;
    } cases[] = {{19, true, 0}, {20, true, 20}, {39, true, 20}, {100, true, 100}, {50, false, 50}};
    rig::PlayerScene running(0, false);
    for (const auto& c : cases) {
        const std::string ini = PaneSkin("rating", pane, c.fiveStars ? "Use5Rating=1\n" : "Use5Rating=0\n");
        WriteStripImages("rating", "rating", 100, 10);
        running.player().CurrentTrack()->rating = c.rating;
        rig::Widget widget(ini.c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK_EQ(rig::CountColour(widget.InfoFrame(), {0, 0, 100, 10}, kRed), c.filled * 10);
        CHECK_EQ(rig::CountColour(widget.InfoFrame(), {0, 0, 100, 10}, kBlue), (100 - c.filled) * 10);
    }
}

TEST_CASE(sound_strip_fills_from_each_edge_and_values_outside_the_scale_stay_inside) {
    const struct {
        int direction;
        long volume;
        RECT filled;
    } cases[] = {{0, 100, {0, 0, 100, 10}}, {1, 100, {0, 0, 100, 10}}, {2, 100, {0, 0, 100, 10}},
                 {3, 100, {0, 0, 100, 10}}, {0, 0, {0, 0, 0, 0}},      {3, 0, {0, 0, 0, 0}},
                 {1, 25, {75, 0, 100, 10}}, {2, 50, {0, 0, 100, 5}},   {3, 50, {0, 5, 100, 10}},
                 {1, 150, {0, 0, 100, 10}}, {1, -50, {0, 0, 0, 0}}};
    rig::PlayerScene running(0, false);
    for (const auto& c : cases) {
        const std::string ini = PaneSkin("sound", "[SoundPane]\nLeft=20\nTop=30\nWidth=100\nHeight=10\nDirection=" +
                                                      std::to_string(c.direction) + "\n");
        WriteStripImages("sound", "sound", 100, 10);
        running.player().SetVolume(c.volume);
        rig::Widget widget(ini.c_str(), "W");
        Gdiplus::Image* frame = widget.InfoFrame();
        REQUIRE(frame != nullptr);
        const int filledArea = (c.filled.right - c.filled.left) * (c.filled.bottom - c.filled.top);
        const RECT filled = {c.filled.left + 20, c.filled.top + 30, c.filled.right + 20, c.filled.bottom + 30};
        CHECK_EQ(rig::CountColour(frame, filled, kRed), filledArea);
        CHECK_EQ(rig::CountColour(frame, {20, 30, 120, 40}, kBlue), 1000 - filledArea);
        CHECK_EQ(rig::OpaquePixels(frame, {0, 0, 200, 100}), 1000);
    }
}

TEST_CASE(strips_are_rendered_only_when_the_value_changes_and_references_return) {
    const std::string ini = PaneSkin("steady",
                                     "[SoundPane]\nWidth=100\nHeight=10\n"
                                     "[RatingPane]\nTop=20\nWidth=100\nHeight=10\nDirection=4\n");
    WriteStripImages("steady", "sound", 100, 10);
    WriteStripImages("steady", "rating", 100, 10);
    {
        rig::PlayerScene running(0, true);
        rig::Widget widget(ini.c_str(), "W");
        // A direction outside the four leaves the pane empty.
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), {0, 20, 100, 30}), 0);

        rig::RecordingHost::Get().ClearCalls();
        widget.PollTick();
        widget.PollTick();
        CHECK_EQ(ImageLoads("sound_"), 0u);
        CHECK_EQ(ImageLoads("rating_"), 0u);

        running.player().SetVolume(30);
        running.player().CurrentTrack()->rating = 40;
        widget.PollTick();
        CHECK_EQ(ImageLoads("sound_"), 2u);
        CHECK_EQ(ImageLoads("rating_"), 2u);
        CHECK_EQ(rig::CountColour(widget.InfoFrame(), {0, 0, 100, 10}, kRed), 300);
    }
    CHECK_EQ(sim::OutstandingReferences(), 0);
    CHECK_EQ(sim::LiveObjects(), 0);
}

TEST_CASE(sound_knob_sits_at_the_volume_and_a_missing_knob_is_tried_again) {
    const std::string ini = PaneSkin("knob", "[SoundPane]\nLeft=10\nTop=20\nWidth=100\nHeight=10\nUseKnob=1\n");
    rig::PlayerScene running(0, true);
    running.player().SetVolume(50);
    rig::Widget widget(ini.c_str(), "W");
    rig::RecordingHost::Get().ClearCalls();
    widget.PollTick();
    widget.PollTick();
    CHECK_EQ(ImageLoads("sound_knob.png"), 2u);

    rig::WritePng(ImagePath("knob", "sound_knob.png"), 4, 4, kRed);
    running.player().SetVolume(60);  // a new value, so the frame shows it
    widget.PollTick();
    widget.PollTick();
    CHECK_EQ(ImageLoads("sound_knob.png"), 1u + 2u);
    // Top-left corner at 10 + 100 × 0.6, unscaled; no strip images in knob mode.
    CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), {0, 0, 200, 100}), 16);
    CHECK_EQ(rig::PixelAt(widget.InfoFrame(), 70, 20), kRed);
    CHECK_EQ(rig::PixelAt(widget.InfoFrame(), 73, 23), kRed);
    CHECK_EQ(ImageLoads("sound_filled"), 0u);
}

// The fraction is the volume times 0.01 as the nearest float: 20 lands the knob
// on a whole pixel, not a hair to its left where it would be smeared.
TEST_CASE(sound_knob_and_strip_cut_land_on_whole_pixels_for_whole_percentages) {
    const std::string ini = PaneSkin("knobcut", "[SoundPane]\nLeft=10\nTop=20\nWidth=100\nHeight=10\nUseKnob=1\n");
    rig::WritePng(ImagePath("knobcut", "sound_knob.png"), 4, 4, kRed);
    rig::PlayerScene running(0, true);
    for (long volume : {20L, 40L, 43L, 67L, 86L}) {
        running.player().SetVolume(volume);
        rig::Widget widget(ini.c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        const int x = 10 + static_cast<int>(volume);
        CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), {0, 0, 200, 100}), 16);
        CHECK_EQ(rig::PixelAt(widget.InfoFrame(), x, 20), kRed);
        CHECK_EQ(rig::PixelAt(widget.InfoFrame(), x + 3, 23), kRed);
    }
    const struct {
        bool fiveStars;
        long rating;
    } ratings[] = {{false, 20}, {false, 40}, {false, 67}, {true, 80}};
    for (const auto& c : ratings) {
        const std::string rated = PaneSkin("ratingcut", "[RatingPane]\nWidth=100\nHeight=10\nDirection=1\n",
                                           c.fiveStars ? "Use5Rating=1\n" : "Use5Rating=0\n");
        WriteStripImages("ratingcut", "rating", 100, 10);
        running.player().CurrentTrack()->rating = c.rating;
        rig::Widget widget(rated.c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        const int filled = static_cast<int>(c.rating);
        CHECK_EQ(rig::CountColour(widget.InfoFrame(), {100 - filled, 0, 100, 10}, kRed), filled * 10);
        CHECK_EQ(rig::CountColour(widget.InfoFrame(), {0, 0, 100 - filled, 10}, kBlue), (100 - filled) * 10);
    }
}

TEST_CASE(hostile_pane_sizes_draw_nothing_and_allocate_nothing) {
    const std::string ini = PaneSkin("hostile",
                                     "[SoundPane]\nWidth=2000000000\nHeight=2000000000\n"
                                     "[RatingPane]\nWidth=-100\nHeight=10\n"
                                     "[ProgressBar]\nLeft=2147483000\nWidth=2147483000\nHeight=-5\n"
                                     "[CounterPane]\nWidth=-40\nHeight=-40\n");
    WriteStripImages("hostile", "sound", 10, 10);
    WriteStripImages("hostile", "rating", 10, 10);
    rig::PlayerScene running(0, true);
    running.player().SetPosition(100);
    rig::Widget widget(ini.c_str(), "W");
    widget.PollTick();
    REQUIRE(widget.InfoFrame() != nullptr);
    CHECK_EQ(ImageLoads("sound_"), 0u);
    CHECK_EQ(ImageLoads("rating_"), 0u);
}
