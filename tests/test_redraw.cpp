// Frame composition through the real module: when a frame is composed, what
// it holds, and how it reaches the host.
#include "core/timer_ids.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <vector>

namespace {

constexpr RECT kInfoArea = {0, 0, 200, 40};
constexpr RECT kWholeFrame = {0, 0, 200, 100};

struct Player {
    sim::Player& sim = sim::Player::Get();
    explicit Player(bool running, int track = 0, bool playing = true) {
        sim.Reset();
        sim.Register();
        if (!running) return;
        sim.Start(false);
        sim.SetCurrentTrack(track);
        sim.SetPlaying(playing);
    }
    ~Player() { sim.Quit(); }
};

// A 200 x 100 display pane with a 200 x 40 info pane in black text, plus the
// groups given; returns the settings file that selects it.
std::string InfoSkin(const std::string& name, const std::string& groups = "", const std::string& settings = "") {
    rig::MakeSkin(name, "[DisplayPane]\nLeft=10\nTop=20\nWidth=200\nHeight=100\n"
                        "[InfoPane]\nLeft=0\nTop=0\nWidth=200\nHeight=40\n[Font]\nSize=14\n" + groups);
    const std::string ini = rig::WorkFolder() + name + ".ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + name + "\n" + settings);
    return ini;
}

size_t FramesHandedOver() { return rig::RecordingHost::Get().Count("DeskletLayerSetImage"); }

bool PauseLayerVisible(const rig::Widget& widget) {
    const host::Layer* layer = widget.host().layers.Named("Quillbracket.Pause_Button");
    return layer && layer->visible;
}

}  // namespace

TEST_CASE(absent_player_shows_not_loaded_only_when_forced) {
    Player player(false);
    {
        // Loading the skin forces a redraw.
        rig::Widget widget(InfoSkin("absent").c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK(rig::OpaquePixels(widget.InfoFrame(), kInfoArea) > 50);
        CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), {0, 40, 200, 100}), 0);
        CHECK(PauseLayerVisible(widget));

        const size_t frames = FramesHandedOver();
        widget.PollTick();
        widget.PollTick();
        CHECK_EQ(FramesHandedOver(), frames);
        CHECK_EQ(rig::RecordingHost::Get().Count("DeskletHide"), 0u);
    }
    {
        rig::Widget widget(InfoSkin("absent_hidden", "", "HideWhenNotLoaded=1\n").c_str(), "W");
        const size_t hides = rig::RecordingHost::Get().Count("DeskletHide");
        widget.PollTick();
        CHECK_EQ(rig::RecordingHost::Get().Count("DeskletHide"), hides + 1);

        // The player appearing is noticed by the next tick, which attaches,
        // shows and hides the pause image; frames follow from the tick after.
        player.sim.Start(false);
        player.sim.SetCurrentTrack(0);
        player.sim.SetPlaying(true);
        const size_t frames = FramesHandedOver();
        widget.PollTick();
        CHECK_EQ(rig::RecordingHost::Get().Count("DeskletShow"), 1u);
        CHECK(!PauseLayerVisible(widget));
        widget.PollTick();
        CHECK_EQ(FramesHandedOver(), frames + 1);
    }
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}

TEST_CASE(pausing_composes_one_last_frame_then_nothing_until_forced_or_resumed) {
    Player player(true);
    rig::Widget widget(InfoSkin("pausing").c_str(), "W");
    size_t frames = FramesHandedOver();
    widget.PollTick();
    CHECK_EQ(FramesHandedOver(), ++frames);
    CHECK(!PauseLayerVisible(widget));

    player.sim.SetPlaying(false);
    widget.PollTick();
    CHECK_EQ(FramesHandedOver(), ++frames);
    CHECK(PauseLayerVisible(widget));
    for (int tick = 0; tick < 3; ++tick) widget.PollTick();
    CHECK_EQ(FramesHandedOver(), frames);
    // A paused tick asks the player only what the skip rule needs.
    player.sim.calls().Clear();
    widget.PollTick();
    CHECK_EQ(player.sim.calls().entries().size(), 2u);

    widget.WheelForward();
    CHECK_EQ(FramesHandedOver(), ++frames);

    // The tick that sees playback again hides the pause image; the next composes.
    player.sim.SetPlaying(true);
    widget.PollTick();
    CHECK(!PauseLayerVisible(widget));
    widget.PollTick();
    CHECK_EQ(FramesHandedOver(), ++frames);
}

TEST_CASE(first_frame_after_a_skin_change_installs_the_base_image_in_one_host_redraw) {
    Player player(true);
    const std::string ini = InfoSkin("based");
    rig::WritePng(rig::WorkFolder() + "skins\\based\\images\\bg.png", 266, 108, 0xFF00FF00);
    rig::RecordingHost& host = rig::RecordingHost::Get();
    host.ClearCalls();
    rig::Widget widget(ini.c_str(), "W");

    // Layer image without a redraw, then the base image, then one redraw for both.
    std::vector<std::string> handOver;
    for (const rig::HostCallRecord& call : host.calls)
        if (call.name == "DeskletLayerSetImage" || call.name == "DeskletSetImageFile" ||
            (call.name == "DeskletLayerSetVisibility" && call.args.rfind("0,", 0) == 0))
            handOver.push_back(call.name + "(" + call.args + ")");
    REQUIRE(handOver.size() >= 3u);
    CHECK_EQ(handOver[0], std::string("DeskletLayerSetImage(2, 0, 200x100, 1)"));
    CHECK(handOver[1].find("DeskletSetImageFile(") == 0 && handOver[1].find("based\\images\\bg.png") != std::string::npos);
    CHECK_EQ(handOver[2], std::string("DeskletLayerSetVisibility(0, 1, 1)"));
    CHECK_EQ(rig::PixelAt(widget.Composite().get(), 2, 2), 0xFF00FF00u);

    host.ClearCalls();
    widget.PollTick();
    CHECK_EQ(host.Count("DeskletSetImageFile"), 0u);
    const std::vector<rig::HostCallRecord> frames = host.Named("DeskletLayerSetImage");
    REQUIRE(frames.size() == 1u);
    CHECK_EQ(frames[0].args, std::string("2, 1, 200x100, 1"));
}

TEST_CASE(info_text_alternates_artist_and_name_and_an_empty_artist_shows_the_name) {
    Player player(true, 0);
    rig::Widget widget(InfoSkin("alternating").c_str(), "W");
    // The widget starts at tick 0: nine ticks of artist, then ten of name.
    const std::vector<Gdiplus::ARGB> artist = rig::Pixels(widget.InfoFrame(), kInfoArea);
    for (int tick = 1; tick <= 8; ++tick) widget.PollTick();
    CHECK(rig::Pixels(widget.InfoFrame(), kInfoArea) == artist);
    player.sim.calls().Clear();
    widget.PollTick();
    CHECK_EQ(player.sim.calls().Count("IITTrack.get_Artist"), 0);
    CHECK_EQ(player.sim.calls().Count("IITTrack.get_Name"), 1);
    const std::vector<Gdiplus::ARGB> name = rig::Pixels(widget.InfoFrame(), kInfoArea);
    CHECK(name != artist);
    for (int tick = 10; tick <= 19; ++tick) widget.PollTick();
    CHECK(rig::Pixels(widget.InfoFrame(), kInfoArea) == artist);

    // During the artist phase, a missing, empty or failing artist gives the name.
    player.sim.TrackAt(0)->artist.clear();
    widget.PollTick();
    CHECK(rig::Pixels(widget.InfoFrame(), kInfoArea) == name);
    player.sim.TrackAt(0)->artist = L"The Lantern Society";
    player.sim.faults().Fail("IITTrack.get_Artist");
    widget.PollTick();
    CHECK(rig::Pixels(widget.InfoFrame(), kInfoArea) == name);
}

TEST_CASE(unchanged_texts_are_drawn_alike_from_the_cache_and_extra_infos_follow_their_type) {
    Player player(true, 0);
    const std::string extras =
        "[ExtraInfos]\nCount=3\n"
        "[ExtraInfo-1]\nLeft=0\nTop=40\nWidth=200\nHeight=20\nType=ALBUM\n"
        "[ExtraInfo-2]\nLeft=0\nTop=60\nWidth=200\nHeight=20\nType=title\n"
        "[ExtraInfo-3]\nLeft=0\nTop=80\nWidth=200\nHeight=20\nType=Length\n"
        "[CounterPane]\nLeft=150\nTop=80\nWidth=50\nHeight=20\n[CounterFont]\nColorR=0\n";
    rig::Widget widget(InfoSkin("extras", extras).c_str(), "W");
    const RECT texts = {0, 0, 150, 100};
    const RECT counter = {150, 80, 200, 100};
    const std::vector<Gdiplus::ARGB> first = rig::Pixels(widget.InfoFrame(), kWholeFrame);
    const std::vector<Gdiplus::ARGB> firstTexts = rig::Pixels(widget.InfoFrame(), texts);
    const std::vector<Gdiplus::ARGB> firstCounter = rig::Pixels(widget.InfoFrame(), counter);
    CHECK(rig::OpaquePixels(widget.InfoFrame(), {0, 40, 200, 60}) > 50);
    CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), {0, 60, 200, 80}), 0);
    CHECK(rig::OpaquePixels(widget.InfoFrame(), {0, 80, 140, 100}) > 20);
    CHECK(rig::OpaquePixels(widget.InfoFrame(), counter) > 20);

    // Within the same second every text repeats, now copied from the cache,
    // and every question to the player is still asked.
    player.sim.calls().Clear();
    widget.PollTick();
    CHECK(rig::Pixels(widget.InfoFrame(), kWholeFrame) == first);
    CHECK_EQ(player.sim.calls().Count("IITTrack.get_Album"), 1);
    CHECK_EQ(player.sim.calls().Count("IITTrack.get_Time"), 1);
    CHECK_EQ(player.sim.calls().Count("IiTunes.get_CurrentTrack"), 4);

    // A new second changes the counter and nothing else.
    player.sim.clock().Advance(1000);
    widget.PollTick();
    CHECK(rig::Pixels(widget.InfoFrame(), texts) == firstTexts);
    CHECK(rig::Pixels(widget.InfoFrame(), counter) != firstCounter);
}

TEST_CASE(texts_in_a_face_that_is_not_installed_show_in_the_skins_colours) {
    Player player(true, 0);
    const std::string face = "Facename=Quillbracket No Such Face\nSize=20\nColorA=255\n";
    const std::string groups =
        "[DisplayPane]\nWidth=200\nHeight=100\n[InfoPane]\nWidth=200\nHeight=40\n[Font]\n" + face + "ColorR=255\n" +
        "[CounterPane]\nTop=40\nWidth=200\nHeight=30\n[CounterFont]\n" + face + "ColorR=0\nColorG=0\nColorB=255\n" +
        "[ExtraInfos]\nCount=1\n[ExtraInfo-1]\nTop=70\nWidth=200\nHeight=30\nType=album\n" + face + "ColorG=255\n";
    rig::MakeSkin("no_such_face", groups);
    rig::WriteTextFile(rig::WorkFolder() + "no_such_face.ini", "[W]\nSkinDir=no_such_face\n");
    rig::Widget widget((rig::WorkFolder() + "no_such_face.ini").c_str(), "W");
    REQUIRE(widget.InfoFrame() != nullptr);
    CHECK(rig::CountColour(widget.InfoFrame(), kInfoArea, 0xFFFF0000) > 20);
    CHECK(rig::CountColour(widget.InfoFrame(), {0, 40, 200, 70}, 0xFF0000FF) > 20);
    CHECK(rig::CountColour(widget.InfoFrame(), {0, 70, 200, 100}, 0xFF00FF00) > 20);
}

TEST_CASE(panes_the_skin_leaves_out_draw_nothing_and_absurd_frames_are_not_composed) {
    Player player(true, 0);
    {
        const std::string zero =
            "[CounterPane]\nLeft=0\nTop=50\nWidth=100\nHeight=0\n[CounterFont]\nColorR=0\n"
            "[ProgressBar]\nLeft=0\nTop=70\nWidth=0\nHeight=6\n[InnerKnob]\nColorR=255\n[OuterKnob]\nColorR=255\n"
            "[ExtraInfos]\nCount=1\n[ExtraInfo-1]\nLeft=0\nTop=80\nWidth=0\nHeight=20\nType=name\n";
        rig::MakeSkin("zero", "[DisplayPane]\nWidth=200\nHeight=100\n[InfoPane]\nWidth=0\nHeight=40\n" + zero);
        rig::WriteTextFile(rig::WorkFolder() + "zero.ini", "[W]\nSkinDir=zero\n");
        rig::Widget widget((rig::WorkFolder() + "zero.ini").c_str(), "W");
        REQUIRE(widget.InfoFrame() != nullptr);
        CHECK_EQ(rig::OpaquePixels(widget.InfoFrame(), kWholeFrame), 0);
        widget.MouseOn();
        CHECK(!rig::TimerRunning(widget.window(), kScrollTimerId, kScrollTimerPeriodMs));
    }
    for (const char* size : {"Width=100000\nHeight=100000\n", "Width=-5\nHeight=40\n", "Width=0\nHeight=0\n"}) {
        rig::MakeSkin("absurd", std::string("[DisplayPane]\n") + size + "[InfoPane]\nWidth=200\nHeight=40\n");
        rig::WriteTextFile(rig::WorkFolder() + "absurd.ini", "[W]\nSkinDir=absurd\n");
        rig::RecordingHost::Get().ClearCalls();
        rig::Widget widget((rig::WorkFolder() + "absurd.ini").c_str(), "W");
        widget.PollTick();
        CHECK_EQ(FramesHandedOver(), 0u);
        // The base image still comes with the new skin.
        CHECK_EQ(rig::RecordingHost::Get().Count("DeskletSetImageFile"), 1u);
    }
    player.sim.Quit();
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}
