// Creating, saving and destroying widgets through the real module.
#include "core/timer_ids.h"
#include "rig/module_call_log.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace {

std::string SettingsFile(const std::string& name) { return rig::WorkFolder() + name; }

bool Polled(const rig::Widget& widget) { return rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs); }

// Times the module set the poll timer, as the player's call log holds them.
long PollTimerStarts(sim::Player& player) {
    const auto timers = player.calls().Arguments("SetTimer");
    return static_cast<long>(std::count(timers.begin(), timers.end(), L"285772 1000"));
}

}  // namespace

TEST_CASE(information_describes_the_module) {
    char name[64] = {}, author[64] = {}, description[64] = {};
    int version = 0;
    CHECK_EQ(rig::TheModule().OnGetInformation(name, author, &version, description), 42);
    CHECK_EQ(std::string(name), std::string("Quillbracket"));
    CHECK_EQ(std::string(author), std::string("Marrowby"));
    CHECK_EQ(version, 202);
    CHECK_EQ(std::string(description), std::string("This widget is a skinnable iTunes remote."));
}

TEST_CASE(creation_without_settings_loads_default_and_asks_for_drops) {
    rig::Widget widget;
    REQUIRE(widget.instance() != nullptr);
    CHECK(widget.host().extendedDragDrop);
    auto loads = rig::RecordingHost::Get().Named("DeskletLayerSetImageFile");
    REQUIRE(!loads.empty());
    CHECK(loads.front().args.find("\\skins\\Default\\images\\pause.png") != std::string::npos);
    // Three layers over the base layer's position 0.
    CHECK(widget.host().layers.Named("Quillbracket.Pause_Button") != nullptr);
    CHECK(widget.host().layers.Named("Quillbracket.Info") != nullptr);
    // No player window and no "HideWhenNotLoaded": nothing to poll.
    CHECK(!rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs));
}

TEST_CASE(settings_group_without_skin_key_loads_lowercase_default) {
    const std::string ini = SettingsFile("empty.ini");
    rig::WriteTextFile(ini, "[Widget1]\nShowTimePlayed=0\n");
    rig::Widget widget(ini.c_str(), "Widget1");
    auto loads = rig::RecordingHost::Get().Named("DeskletLayerSetImageFile");
    REQUIRE(!loads.empty());
    CHECK(loads.front().args.find("\\skins\\default\\images\\pause.png") != std::string::npos);
}

TEST_CASE(hide_when_not_loaded_starts_polling_without_player) {
    const std::string ini = SettingsFile("hide.ini");
    rig::WriteTextFile(ini, "[W]\nHideWhenNotLoaded=1\n");
    rig::Widget widget(ini.c_str(), "W");
    CHECK(rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs));
    widget.Destroy();
    // Destroying stops both timers: no tick may reach a deleted instance.
    CHECK(!rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs));
    CHECK(!rig::TimerRunning(widget.window(), kScrollTimerId, kScrollTimerPeriodMs));
}

TEST_CASE(save_writes_exactly_five_keys_in_order_and_create_reads_them_back) {
    const std::string ini = SettingsFile("roundtrip.ini");
    rig::WriteTextFile(ini, "[W]\nShowTimePlayed=0\nHideWhenNotLoaded=7\nAutoHideiTunes=-3\nSkinDir=Other\nUse5Rating=2\n");
    {
        rig::Widget widget(ini.c_str(), "W");
        const std::string saved = SettingsFile("saved.ini");
        CHECK(rig::TheModule().OnSave(widget.instance(), saved.c_str(), "Saved", FALSE));
        CHECK_EQ(rig::ReadTextFile(saved),
                 std::string("[Saved]\r\nShowTimePlayed=0\r\nHideWhenNotLoaded=7\r\nAutoHideiTunes=-3\r\n"
                             "SkinDir=Other\r\nUse5Rating=0\r\n"));
    }
    rig::Widget again(SettingsFile("saved.ini").c_str(), "Saved");
    const std::string resaved = SettingsFile("resaved.ini");
    rig::TheModule().OnSave(again.instance(), resaved.c_str(), "Saved", FALSE);
    CHECK_EQ(rig::ReadTextFile(resaved), rig::ReadTextFile(SettingsFile("saved.ini")));
}

// A settings path longer than the profile functions take: nothing is written
// (Wine would write to a stray file and report success), nothing is read.
TEST_CASE(a_settings_path_past_259_characters_is_neither_written_nor_read) {
    const std::string folder = rig::WorkFolder() + std::string(120, 'a') + "\\" + std::string(120, 'b') + "\\";
    std::filesystem::create_directories(folder);
    const std::string ini = folder + "settings.ini";
    REQUIRE(ini.size() >= 260);
    rig::WriteTextFile(ini, "[W]\nShowTimePlayed=0\nSkinDir=Other\nUse5Rating=0\n");
    const auto entries = [] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(".")) names.push_back(entry.path().string());
        return names;
    };
    const std::vector<std::string> before = entries();
    rig::Widget widget(ini.c_str(), "W");
    CHECK(!rig::TheModule().OnSave(widget.instance(), ini.c_str(), "W", FALSE));
    CHECK(entries() == before);
    const std::string saved = SettingsFile("long-path-saved.ini");
    DeleteFileA(saved.c_str());
    CHECK(rig::TheModule().OnSave(widget.instance(), saved.c_str(), "W", FALSE));
    CHECK_EQ(rig::ReadTextFile(saved), std::string("[W]\r\nShowTimePlayed=1\r\nHideWhenNotLoaded=0\r\nAutoHideiTunes=0\r\n"
                                                   "SkinDir=default\r\nUse5Rating=1\r\n"));
}

TEST_CASE(use5rating_is_true_only_for_exactly_one) {
    const struct {
        const char* line;
        const char* saved;
    } cases[] = {{"", "Use5Rating=1"}, {"Use5Rating=1\n", "Use5Rating=1"}, {"Use5Rating=2\n", "Use5Rating=0"},
                 {"Use5Rating=0\n", "Use5Rating=0"}};
    for (const auto& c : cases) {
        const std::string ini = SettingsFile("rating.ini");
        rig::WriteTextFile(ini, std::string("[W]\n") + c.line);
        rig::Widget widget(ini.c_str(), "W");
        const std::string saved = SettingsFile("rating-saved.ini");
        DeleteFileA(saved.c_str());
        rig::TheModule().OnSave(widget.instance(), saved.c_str(), "W", FALSE);
        CHECK(rig::ReadTextFile(saved).find(c.saved) != std::string::npos);
    }
}

TEST_CASE(overlong_skin_dir_is_cut_to_259_characters) {
    const std::string ini = SettingsFile("long.ini");
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + std::string(300, 'k') + "\n");
    rig::Widget widget(ini.c_str(), "W");
    const std::string saved = SettingsFile("long-saved.ini");
    rig::TheModule().OnSave(widget.instance(), saved.c_str(), "W", FALSE);
    CHECK(rig::ReadTextFile(saved).find("SkinDir=" + std::string(259, 'k') + "\r\n") != std::string::npos);
    // The joined image paths are too long for the system: treated as absent, never overflowing.
    for (const auto& call : rig::RecordingHost::Get().Named("DeskletLayerSetImageFile"))
        CHECK(call.args.size() < 300);
}

TEST_CASE(com_is_initialised_and_uninitialised_in_balance) {
    {
        rig::Widget first;
        rig::Widget second;
    }
    // Our own initialisation is the only one left: undoing it leaves the thread without COM.
    CoUninitialize();
    const HRESULT fresh = CoInitialize(nullptr);
    CHECK_EQ(fresh, S_OK);
    // Tearing the apartment down dropped the player's registration.
    sim::Player::Get().Revoke();
    sim::Player::Get().Register();
}

// With the player.

TEST_CASE(attaches_only_when_the_player_window_exists) {
    sim::Player& player = sim::Player::Get();
    {
        rig::Widget widget;
        // Creating a widget never starts the player.
        CHECK(!player.Running());
        CHECK_EQ(player.calls().Count("IiTunes.get_Version"), 0);
    }
    player.Start(false);
    rig::Widget widget;
    CHECK(sim::OutstandingReferences() >= 1);
    CHECK(rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs));
    widget.Destroy();
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}

TEST_CASE(auto_hide_hides_the_player_at_creation_and_shows_it_at_teardown) {
    sim::Player& player = sim::Player::Get();
    player.Start(true);
    const std::string ini = rig::WorkFolder() + "autohide.ini";
    rig::WriteTextFile(ini, "[W]\nAutoHideiTunes=1\n");
    {
        rig::Widget widget(ini.c_str(), "W");
        CHECK(!IsWindowVisible(player.Window()));
    }
    CHECK(IsWindowVisible(player.Window()));

    // Without the setting, creation shows the window and teardown leaves it alone.
    rig::WriteTextFile(ini, "[W]\nAutoHideiTunes=0\n");
    ShowWindow(player.Window(), SW_HIDE);
    {
        rig::Widget widget(ini.c_str(), "W");
        CHECK(IsWindowVisible(player.Window()));
        ShowWindow(player.Window(), SW_HIDE);
    }
    CHECK(!IsWindowVisible(player.Window()));
}

// The player's window shows again only once the widget has let go of the
// player and of COM: a player that reappears is not still held.
TEST_CASE(teardown_releases_the_player_and_com_before_it_shows_the_player_window) {
    rig::PlayerScene scene;
    sim::Player& player = scene.player();
    const std::string ini = rig::WorkFolder() + "teardown.ini";
    rig::WriteTextFile(ini, "[W]\nAutoHideiTunes=1\n");
    rig::Widget widget(ini.c_str(), "W");
    REQUIRE(sim::OutstandingReferences() >= 1);
    rig::ModuleCallLog log;
    player.calls().Clear();
    widget.Destroy();
    std::string order;
    for (const sim::Call& call : player.calls().entries())
        order += call.method + (call.argument.empty() ? "" : " " + check::Show(call.argument)) + "; ";
    CHECK_EQ(order, std::string("CoUninitialize 0; MainWindow.Show; "));
}

TEST_CASE(auto_hide_waits_while_the_player_is_not_running) {
    const std::string ini = rig::WorkFolder() + "autohide-later.ini";
    rig::WriteTextFile(ini, "[W]\nAutoHideiTunes=1\n");
    rig::Widget widget(ini.c_str(), "W");
    CHECK(!sim::Player::Get().Running());
    CHECK_EQ(sim::Player::Get().calls().Count("IiTunes.get_Version"), 0);
}

// A widget made before the player runs is polled from the moment it attaches,
// whichever path attaches it, and its poll timer is set once.

TEST_CASE(a_redraw_that_finds_the_player_polls_and_the_ticks_follow_the_track) {
    rig::PlayerScene scene(false);
    sim::Player& player = scene.player();
    const std::string panes =
        "[DisplayPane]\nWidth=200\nHeight=60\n[InfoPane]\nWidth=200\nHeight=40\n[Font]\nSize=14\n";
    rig::MakeSkin("late_hover", panes);
    rig::MakeSkin("late", panes +
                              "[ChangeSkinHotSpots]\nCount=1\n[ChangeSkinHotSpot-1]\nType=Hover\nLeft=0\nTop=0\n"
                              "Width=50\nHeight=50\nNewSkinName=late_hover\n");
    rig::WriteTextFile(SettingsFile("late.ini"), "[W]\nSkinDir=late\n");
    rig::ModuleCallLog log;
    rig::Widget widget(SettingsFile("late.ini").c_str(), "W");
    CHECK(!Polled(widget));

    player.Start(false);
    player.SetCurrentTrack(0);
    player.SetPlaying(true);
    // The hover skin's redraw finds the player.
    widget.MouseMove(10, 10);
    CHECK(Polled(widget));
    const auto first = rig::Pixels(widget.InfoFrame(), {0, 0, 200, 40});
    REQUIRE(player.TrackAt(6)->artist != player.TrackAt(0)->artist);
    player.SetCurrentTrack(6);
    rig::PumpFor(1500);
    CHECK(rig::Pixels(widget.InfoFrame(), {0, 0, 200, 40}) != first);
    CHECK_EQ(PollTimerStarts(player), 1L);
}

TEST_CASE(a_clicks_probe_that_finds_the_player_polls) {
    rig::PlayerScene scene(false);
    rig::Widget widget;
    CHECK(!Polled(widget));
    scene.player().Start(false);
    widget.Click(1, 1);
    CHECK(Polled(widget));
}

// The timer runs on while the player is away; its return, noticed by a tick
// or started by a click, sets none again.
TEST_CASE(a_player_that_quits_and_returns_is_polled_by_the_one_timer) {
    rig::PlayerScene scene;
    sim::Player& player = scene.player();
    rig::ModuleCallLog log;
    rig::Widget widget;
    for (bool clickStarts : {false, true}) {
        player.Quit();
        widget.PollTick();
        CHECK_EQ(sim::OutstandingReferences(), 0L);
        clickStarts ? widget.Click(1, 1) : (void)player.Start(false);
        widget.PollTick();
        CHECK(sim::OutstandingReferences() >= 1);
    }
    CHECK(Polled(widget));
    CHECK_EQ(PollTimerStarts(player), 1L);
}
