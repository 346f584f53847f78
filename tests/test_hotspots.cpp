// Hover and click hotspots, the marquee and mouse capture, through the real module.
#include "input_fixture.h"

#include <algorithm>

using input_test::PlayerScene;
using input_test::WidgetOnSkin;

namespace {

constexpr UINT_PTR kScrollTimerId = 303292;

// Image files the widget's base layer received, by their last three path parts.
std::vector<std::string> BaseImages() {
    std::vector<std::string> images;
    for (const rig::HostCallRecord& call : rig::RecordingHost::Get().Named("DeskletSetImageFile")) {
        size_t cut = call.args.size();
        for (int parts = 0; parts < 3 && cut != std::string::npos; ++parts) cut = call.args.rfind('\\', cut - 1);
        images.push_back(call.args.substr(cut + 1));
    }
    return images;
}

// Skins whose pause image was installed, in order: one per skin load.
std::vector<std::string> LoadedSkins() {
    std::vector<std::string> skins;
    for (const rig::HostCallRecord& call : rig::RecordingHost::Get().Named("DeskletLayerSetImageFile")) {
        const size_t end = call.args.find("\\images\\pause.png");
        const size_t start = call.args.rfind("\\skins\\", end);
        if (end != std::string::npos && start != std::string::npos)
            skins.push_back(call.args.substr(start + 7, end - start - 7));
    }
    return skins;
}

// The order in which the host saw calls of the names given.
std::vector<std::string> Sequence(std::initializer_list<std::string> names) {
    std::vector<std::string> seen;
    for (const rig::HostCallRecord& call : rig::RecordingHost::Get().calls)
        if (std::find(names.begin(), names.end(), call.name) != names.end()) seen.push_back(call.name);
    return seen;
}

// A widget on `skin` whose hotspots lead to `target`, a skin made first; the
// host's record then starts empty.
std::unique_ptr<rig::Widget> WidgetWithHotspots(const std::string& skin, const std::string& skinIni,
                                                const std::string& target, const std::string& targetIni) {
    rig::MakeSkin(target, targetIni);
    auto widget = WidgetOnSkin(skin, skinIni);
    rig::RecordingHost::Get().ClearCalls();
    return widget;
}

}  // namespace

TEST_CASE(hover_frames_play_forward_in_and_backward_out_then_the_restored_background) {
    PlayerScene scene;
    auto widget = WidgetWithHotspots(
        "narrow",
        "[Bg]\nWidth=100\nHeight=100\n[ChangeSkinHotSpots]\nCount=1\n"
        "[ChangeSkinHotSpot-1]\nType=Hover\nLeft=10\nTop=10\nWidth=50\nHeight=50\n"
        "NewSkinName=wide\nMouseOutSkinName=narrow\nNewLeft=0\nNewTop=0\nNewWidth=80\nNewHeight=80\n"
        "EasyAnimationFramesCount=3\nEasyAnimationFrame1=A.png\n"
        "EasyAnimationFrame2=B.png\nEasyAnimationFrame3=C.png\n",
        "wide", "[Bg]\nWidth=300\nHeight=150\n");
    rig::RecordingHost& host = rig::RecordingHost::Get();

    widget->MouseMove(20, 20);
    CHECK(BaseImages() ==
          (std::vector<std::string>{"narrow\\images\\A.png", "narrow\\images\\B.png", "narrow\\images\\C.png",
                                    "wide\\images\\bg.png"}));
    CHECK_EQ(widget->host().size.cx, 300);

    // Inside the hotspot's new area the hover skin stays.
    host.ClearCalls();
    widget->MouseMove(70, 70);
    CHECK(host.calls.empty());

    widget->MouseMove(85, 20);
    CHECK(BaseImages() ==
          (std::vector<std::string>{"narrow\\images\\C.png", "narrow\\images\\B.png", "narrow\\images\\A.png",
                                    "narrow\\images\\bg.png", "narrow\\images\\bg.png"}));
    CHECK_EQ(widget->host().size.cx, 100);
    CHECK((widget->host().position.x == 200 && widget->host().position.y == 150));
}

TEST_CASE(hover_area_without_new_width_is_the_own_area_shifted_back) {
    PlayerScene scene;
    auto widget = WidgetWithHotspots("home",
                                     "[Bg]\nWidth=100\nHeight=100\n[ChangeSkinHotSpots]\nCount=1\n"
                                     "[ChangeSkinHotSpot-1]\nType=hover\nLeft=10\nTop=10\nWidth=40\nHeight=40\n"
                                     "XOffset=30\nNewSkinName=away\nMouseOutSkinName=home\nNewWidth=0\nNewHeight=5\n",
                                     "away", "[Bg]\nWidth=100\nHeight=100\n");

    widget->MouseMove(15, 20);
    CHECK_EQ(widget->host().position.x, 230);
    // The watched area is (-20, 10) to (20, 50): still inside.
    widget->MouseMove(15, 45);
    CHECK(LoadedSkins() == std::vector<std::string>{"away"});

    // Leaving restores "home", whose hotspot under the same point fires again.
    widget->MouseMove(30, 20);
    CHECK(LoadedSkins() == (std::vector<std::string>{"away", "home", "away"}));
    CHECK_EQ(widget->host().position.x, 260);
}

TEST_CASE(click_hotspots_skip_the_skin_showing_and_move_or_animate) {
    PlayerScene scene;
    auto widget = WidgetWithHotspots(
        "small",
        "[Bg]\nWidth=120\nHeight=60\n[ChangeSkinHotSpots]\nCount=3\n"
        "[ChangeSkinHotSpot-1]\nLeft=0\nTop=0\nWidth=50\nHeight=50\nNewSkinName=SMALL\n"
        "[ChangeSkinHotSpot-2]\nType=press\nLeft=0\nTop=0\nWidth=50\nHeight=50\n"
        "XOffset=5\nYOffset=-3\n"
        "[ChangeSkinHotSpot-3]\nLeft=60\nTop=0\nWidth=50\nHeight=50\nNewSkinName=large\n"
        "XOffset=40\nYOffset=40\nUseCurrentSkinSizeForAnimation=1\n"
        "EasyAnimationFramesCount=2\nEasyAnimationFrame1=F1.png\nEasyAnimationFrame2=F2.png\n",
        "large", "[Bg]\nWidth=240\nHeight=120\n");
    rig::RecordingHost& host = rig::RecordingHost::Get();

    widget->Click(10, 10);
    widget->Click(10, 10);
    CHECK((widget->host().position.x == 210 && widget->host().position.y == 144));
    CHECK(LoadedSkins().empty());
    CHECK_EQ(host.Count("DeskletMove"), 2u);

    // The frames show at the old size and place; the offsets have no effect.
    host.ClearCalls();
    widget->Click(70, 10);
    CHECK(LoadedSkins() == std::vector<std::string>{"large"});
    const auto moves = host.Named("DeskletMove");
    REQUIRE(moves.size() == 3u);
    CHECK_EQ(moves[1].args, std::string("210 144 330 204, 0"));
    CHECK_EQ(moves[2].args, std::string("210 144 450 264, 0"));
    CHECK(Sequence({"DeskletMove", "DeskletSetImageFile"}) ==
          (std::vector<std::string>{"DeskletMove", "DeskletMove", "DeskletSetImageFile", "DeskletSetImageFile",
                                    "DeskletMove", "DeskletSetImageFile"}));
    CHECK(BaseImages() == (std::vector<std::string>{"small\\images\\F1.png", "small\\images\\F2.png",
                                                    "large\\images\\bg.png"}));
}

// A skin.ini is read to its end: a hotspot written after more than a
// megabyte of frame names and comments still fires.
TEST_CASE(a_hotspot_written_after_a_megabyte_of_skin_ini_still_fires) {
    PlayerScene scene;
    std::string text = "[Bg]\nWidth=120\nHeight=60\n[ChangeSkinHotSpots]\nCount=1\n[Frames]\n";
    for (int frame = 1; text.size() < (size_t{3} << 19); ++frame)
        text += "; EasyAnimationFrame" + std::to_string(frame) + "=a frame drawn but no longer shown.png\n";
    text += "[ChangeSkinHotSpot-1]\nLeft=0\nTop=0\nWidth=50\nHeight=50\nXOffset=7\n";
    auto widget = WidgetOnSkin("long", text);
    const POINT before = widget->host().position;
    widget->Click(10, 10);
    CHECK_EQ(widget->host().position.x, before.x + 7);
}

TEST_CASE(mouse_out_stops_the_marquee_before_leaving_the_hover_skin) {
    PlayerScene scene;
    sim::Player& player = scene.player();
    player.SetCurrentTrack(0);
    player.CurrentTrack()->artist = std::wstring(80, L'W');
    player.SetPlaying(true);
    rig::MakeSkin("plain", "[Bg]\nWidth=100\nHeight=100\n[DisplayPane]\nWidth=100\nHeight=100\n"
                           "[InfoPane]\nLeft=0\nTop=0\nWidth=40\nHeight=20\n");
    auto widget = WidgetOnSkin("ticker",
                               "[Bg]\nWidth=100\nHeight=100\n[DisplayPane]\nWidth=100\nHeight=100\n"
                               "[InfoPane]\nLeft=0\nTop=0\nWidth=40\nHeight=20\n[ChangeSkinHotSpots]\nCount=1\n"
                               "[ChangeSkinHotSpot-1]\nType=hover\nLeft=0\nTop=0\nWidth=90\nHeight=90\n"
                               "NewSkinName=plain\nMouseOutSkinName=ticker\n");
    widget->MouseOn();
    CHECK(GetCapture() == widget->window());
    CHECK(rig::TimerRunning(widget->window(), kScrollTimerId, 100));
    widget->MouseMove(50, 50);
    REQUIRE(LoadedSkins().back() == "plain");

    rig::RecordingHost& host = rig::RecordingHost::Get();
    host.ClearCalls();
    widget->MouseOut();
    CHECK(!rig::TimerRunning(widget->window(), kScrollTimerId, 100));
    CHECK(LoadedSkins() == std::vector<std::string>{"ticker"});
    const auto order = Sequence({"DeskletLayerSetImage", "DeskletMove"});
    REQUIRE(!order.empty());
    CHECK_EQ(order.front(), std::string("DeskletLayerSetImage"));
    CHECK(GetCapture() == nullptr);
}
