// Clicks on the value panes and the wheel, through the real module.
#include "input_fixture.h"

using input_test::PlayerScene;
using input_test::WidgetOnSkin;

namespace {

// Panes in display space; the display pane starts at (0, 100).
const char kPanesSkin[] =
    "[Bg]\nWidth=200\nHeight=200\n"
    "[DisplayPane]\nLeft=0\nTop=100\nWidth=200\nHeight=100\n"
    "[InfoPane]\nLeft=0\nTop=0\nWidth=200\nHeight=20\n"
    "[CounterPane]\nLeft=150\nTop=20\nWidth=50\nHeight=20\n"
    "[ProgressBar]\nLeft=0\nTop=20\nWidth=100\nHeight=20\n"
    "[RatingPane]\nLeft=0\nTop=40\nWidth=100\nHeight=20\n"
    "[SoundPane]\nLeft=0\nTop=60\nWidth=100\nHeight=20\n";
constexpr int kInfoY = 110, kProgressY = 130, kRatingY = 150;

bool ShowsArtist(sim::Player& player) { return player.calls().Count("IITTrack.get_Artist") > 0; }

// The poll counter as the text phases reveal it: the artist shows below 9,
// the name from 9 to 18, and each tick advances the counter by one. Reading
// moves the counter on to the next phase change, 9 or 0, given in `after`.
int ReadPollTick(const rig::Widget& widget, sim::Player& player, int& after) {
    player.calls().Clear();
    widget.PollTick();
    const bool artist = ShowsArtist(player);
    for (int ticks = 1; ticks <= 19; ++ticks) {
        player.calls().Clear();
        widget.PollTick();
        if (ShowsArtist(player) != artist) {
            after = artist ? 9 : 0;
            const int firstRead = (artist ? 9 : 19) - ticks;
            return (firstRead + 18) % 19;
        }
    }
    return -1;
}

std::vector<std::wstring> Sent(sim::Player& player, const char* method) {
    return player.calls().Arguments(method);
}

}  // namespace

TEST_CASE(info_pane_click_starts_the_next_phase) {
    PlayerScene scene;
    sim::Player& player = scene.player();
    player.SetCurrentTrack(0);
    player.SetPlaying(true);
    REQUIRE(!player.CurrentTrack()->artist.empty());
    auto widget = WidgetOnSkin("panes", kPanesSkin);
    const struct {
        int from, to;
    } cases[] = {{0, 1}, {5, 10}, {9, 10}, {10, 1}, {18, 1}};
    int now = 0;
    for (const auto& c : cases) {
        for (; now != c.from; now = (now + 1) % 19) widget->PollTick();
        widget->Click(100, kInfoY);
        CHECK_EQ(ReadPollTick(*widget, player, now), c.to);
    }
}

TEST_CASE(progress_rating_and_counter_values_from_the_click) {
    PlayerScene scene;
    sim::Player& player = scene.player();
    player.SetCurrentTrack(0);
    player.CurrentTrack()->duration = 200;
    auto widget = WidgetOnSkin("panes", kPanesSkin);

    // The single-precision hundredth lies just below 0.01.
    widget->Click(50, kProgressY);
    CHECK(Sent(player, "IiTunes.put_PlayerPosition") == std::vector<std::wstring>{L"99"});

    for (int x : {9, 10, 19, 20, 87, 88}) widget->Click(x, kRatingY);
    CHECK(Sent(player, "IITTrack.put_Rating") ==
          (std::vector<std::wstring>{L"0", L"20", L"20", L"40", L"100", L"100"}));

    const std::string saved = rig::WorkFolder() + "panes_saved.ini";
    widget->Click(175, 130);
    rig::TheModule().OnSave(widget->instance(), saved.c_str(), "S", FALSE);
    CHECK_EQ(GetPrivateProfileIntA("S", "ShowTimePlayed", -1, saved.c_str()), 0u);
}

TEST_CASE(rating_and_sound_directions) {
    PlayerScene scene;
    sim::Player& player = scene.player();
    player.SetCurrentTrack(0);
    auto widget = WidgetOnSkin("directions",
                               "[DisplayPane]\nLeft=10\nTop=10\nWidth=200\nHeight=90\n"
                               "[RatingPane]\nLeft=0\nTop=0\nWidth=100\nHeight=20\nDirection=1\n"
                               "[SoundPane]\nLeft=0\nTop=30\nWidth=20\nHeight=50\nDirection=4\n",
                               "Use5Rating=0\n");
    widget->Click(109, 20);
    widget->Click(11, 20);
    CHECK(Sent(player, "IITTrack.put_Rating") == (std::vector<std::wstring>{L"1", L"99"}));
    widget->Click(20, 60);
    CHECK(Sent(player, "IiTunes.put_SoundVolume") == std::vector<std::wstring>{L"0"});
}

TEST_CASE(wheel_steps_stay_within_the_players_range) {
    PlayerScene scene;
    sim::Player& player = scene.player();
    auto widget = WidgetOnSkin("panes", kPanesSkin);
    rig::RecordingHost& host = rig::RecordingHost::Get();

    player.SetVolume(100);
    host.ClearCalls();
    widget->WheelForward();
    CHECK_EQ(player.calls().Count("IiTunes.put_SoundVolume"), 0);
    // Forced: a stopped player gets a frame anyway.
    CHECK_EQ(host.Count("DeskletLayerSetImage"), 1u);

    player.SetVolume(98);
    player.SetMuted(true);
    widget->WheelForward();
    CHECK_EQ(player.Volume(), 100);
    CHECK(!player.Muted());

    player.SetVolume(2);
    player.SetMuted(true);
    widget->WheelBackward();
    CHECK_EQ(player.Volume(), 0);
    CHECK(player.Muted());
    player.calls().Clear();
    widget->WheelBackward();
    CHECK_EQ(player.calls().Count("IiTunes.put_SoundVolume"), 0);
}

TEST_CASE(wheel_without_player_draws_nothing) {
    PlayerScene scene(false);
    scene.player().Revoke();
    auto widget = WidgetOnSkin("panes", kPanesSkin);
    rig::RecordingHost::Get().ClearCalls();
    widget->WheelForward();
    widget->WheelBackward();
    CHECK(rig::RecordingHost::Get().calls.empty());
    CHECK(scene.player().calls().entries().empty());
}
