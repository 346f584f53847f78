// Left clicks on the buttons, through the real module, with the real message
// box and open-file dialog answered as a person would.
#include "core/timer_ids.h"
#include "input_fixture.h"
#include "proof_watchdog.h"
#include "rig/modal_driver.h"

#include <filesystem>
#include <thread>

using input_test::PlayerScene;
using input_test::WidgetOnSkin;

namespace {


// Stop lies over play/pause; the update button lies over the sound pane.
const char kButtonsSkin[] =
    "[Bg]\nWidth=200\nHeight=100\n"
    "[StopButton]\nLeft=10\nTop=10\nWidth=20\nHeight=20\n"
    "[PausePlayButton]\nLeft=10\nTop=10\nWidth=40\nHeight=20\n"
    "[MuteButton]\nLeft=80\nTop=10\nWidth=10\nHeight=10\n"
    "[OpenButton]\nLeft=100\nTop=10\nWidth=10\nHeight=10\n"
    "[QuitButton]\nLeft=120\nTop=10\nWidth=10\nHeight=10\n"
    "[ToggleITunesWindowButton]\nLeft=140\nTop=10\nWidth=10\nHeight=10\n"
    "[PreviousButton]\nLeft=160\nTop=10\nWidth=10\nHeight=10\n"
    "[UpdateIPodButton]\nLeft=20\nTop=55\nWidth=10\nHeight=10\n"
    "[DisplayPane]\nLeft=0\nTop=50\nWidth=200\nHeight=50\n"
    "[SoundPane]\nLeft=10\nTop=0\nWidth=100\nHeight=20\n";

const POINT kMute = {85, 15}, kOpen = {105, 15}, kQuit = {125, 15}, kToggle = {145, 15}, kPrevious = {165, 15};

void Click(const rig::Widget& widget, POINT at) { widget.Click(at.x, at.y); }

// A file that exists, for the dialog to accept.
std::wstring MakeFile(const std::wstring& folder, const std::wstring& name) {
    std::filesystem::create_directories(folder);
    const std::wstring path = folder + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    return path;
}

std::wstring WideWorkFolder() {
    const std::string narrow = rig::WorkFolder();
    return std::wstring(narrow.begin(), narrow.end() - 1);
}

}  // namespace

TEST_CASE(button_edges_miss_and_overlaps_go_to_the_earlier_element) {
    PlayerScene scene;
    auto widget = WidgetOnSkin("buttons", kButtonsSkin);
    sim::CallLog& calls = scene.player().calls();

    calls.Clear();
    for (POINT edge : {POINT{80, 15}, POINT{90, 15}, POINT{85, 10}, POINT{85, 20}}) Click(*widget, edge);
    CHECK_EQ(calls.Count("IiTunes.put_Mute"), 0);
    Click(*widget, {81, 15});
    CHECK_EQ(calls.Count("IiTunes.put_Mute"), 1);

    calls.Clear();
    Click(*widget, {20, 20});
    CHECK_EQ(calls.Count("IiTunes.Stop"), 1);
    CHECK_EQ(calls.Count("IiTunes.PlayPause"), 0);
    Click(*widget, {40, 20});
    CHECK_EQ(calls.Count("IiTunes.PlayPause"), 1);

    calls.Clear();
    Click(*widget, {25, 60});
    CHECK_EQ(scene.player().IPodUpdates(), 1);
    CHECK_EQ(calls.Count("IiTunes.put_SoundVolume"), 0);
    Click(*widget, {50, 60});
    CHECK_EQ(calls.Count("IiTunes.put_SoundVolume"), 1);
}

TEST_CASE(without_any_player_every_click_shows_the_box_once_and_nothing_else) {
    PlayerScene scene(false);
    scene.player().Revoke();
    auto widget = WidgetOnSkin("buttons", kButtonsSkin);
    KillTimer(widget->window(), kPollTimerId);
    rig::ModalDriver driver;
    rig::RecordingHost::Get().ClearCalls();

    Click(*widget, {20, 20});
    Click(*widget, {1, 1});
    REQUIRE(driver.messageBoxes().size() == 2u);
    const rig::MessageBoxSeen& box = driver.messageBoxes().front();
    CHECK_EQ(box.caption, std::string("Quillbracket"));
    CHECK_EQ(box.text, std::string("You seem to have the wrong version of iTunes.\n"
                                   "You will at least need version 4.5 of iTunes.\n"
                                   "Please check Apple's website for an update."));
    CHECK(box.errorIcon);
    CHECK(box.buttons == std::vector<int>{IDOK});
    CHECK(box.owner == nullptr);
    CHECK(rig::RecordingHost::Get().calls.empty());
    CHECK(!rig::TimerRunning(widget->window(), kPollTimerId, kPollTimerPeriodMs));
    CHECK(!scene.player().Running());
}

TEST_CASE(after_quit_the_next_click_starts_the_player_polls_and_applies_auto_hide) {
    PlayerScene scene;
    scene.player().SetStartVisible(true);
    auto widget = WidgetOnSkin("buttons", kButtonsSkin, "AutoHideiTunes=1\n");
    Click(*widget, kQuit);
    CHECK_EQ(scene.player().calls().Count("IiTunes.Quit"), 1);
    CHECK(!scene.player().Running());

    // The poll timer ran on while the player was away.
    Click(*widget, {1, 1});
    CHECK(scene.player().Running());
    CHECK(rig::TimerRunning(widget->window(), kPollTimerId, kPollTimerPeriodMs));
    CHECK(!IsWindowVisible(scene.player().Window()));
}

TEST_CASE(failed_mute_read_mutes_and_previous_goes_back) {
    PlayerScene scene;
    auto widget = WidgetOnSkin("buttons", kButtonsSkin);
    sim::Player& player = scene.player();

    player.SetMuted(true);
    Click(*widget, kMute);
    CHECK(!player.Muted());
    player.faults().Fail("IiTunes.get_Mute");
    player.SetMuted(true);
    Click(*widget, kMute);
    CHECK(player.Muted());
    player.faults().Clear();

    Click(*widget, kPrevious);
    CHECK_EQ(player.calls().Count("IiTunes.BackTrack"), 1);
    CHECK_EQ(player.calls().Count("IiTunes.PreviousTrack"), 0);

}

TEST_CASE(opened_file_reaches_the_player_intact_and_a_cancel_keeps_the_pending_addition) {
    PlayerScene scene;
    auto widget = WidgetOnSkin("buttons", kButtonsSkin);
    sim::Player& player = scene.player();
    // Letters that no single 8-bit code page holds. (Wine's dialog itself
    // overruns a buffer on paths beyond 260 units, so none is tried here.)
    const std::wstring path = MakeFile(WideWorkFolder() + L"\\music", L"\u0416\u03A9\u6771 song.mp3");

    rig::ModalDriver driver;
    driver.ChooseInNextFileDialog(path);
    driver.ChooseInNextFileDialog(L"");
    Click(*widget, kOpen);
    REQUIRE(driver.fileDialogs().size() == 1u);
    const rig::FileDialogSeen& dialog = driver.fileDialogs().front();
    CHECK(dialog.owner == widget->window());
    CHECK(dialog.fileTypes == (std::vector<std::wstring>{L"MP3 Files(*.mp3)", L"All Files(*.*)"}));
    CHECK(dialog.fileName.empty());
    CHECK(!dialog.readOnlyBoxVisible);
    CHECK(player.calls().Arguments("IITLibraryPlaylist.AddFile") == std::vector<std::wstring>{path});

    Click(*widget, kOpen);
    CHECK_EQ(driver.fileDialogs().size(), 2u);
    CHECK_EQ(player.calls().Count("IITLibraryPlaylist.AddFile"), 1);
    CHECK_EQ(driver.unplanned(), 0);

    // The addition chosen first is still the one played once it finishes.
    player.clock().Advance(5000);
    widget->PollTick();
    REQUIRE(player.CurrentTrack() != nullptr);
    CHECK(player.CurrentTrack()->name.find(L"\u0416\u03A9\u6771 song") != std::wstring::npos);
}

// A player that no longer answers its window's messages (its window's thread
// is stuck): hiding it at creation, the toggle button and showing it again at
// teardown must not hold the widget's thread.
TEST_CASE(a_hung_player_window_holds_neither_creation_nor_the_toggle_nor_teardown) {
    PlayerScene scene(false);
    const HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread player([&] {
        SetThreadDesktop(desktop);
        scene.player().Start(true);
        SetEvent(started);
        WaitForSingleObject(release, INFINITE);  // stuck: no message is handled
        scene.player().Quit();
    });
    REQUIRE(WaitForSingleObject(started, 10000) == WAIT_OBJECT_0);
    {
        proof::Watchdog watchdog(20000);
        watchdog.Begin("the player's window on a stuck thread");
        {
            auto widget = WidgetOnSkin("buttons", kButtonsSkin, "AutoHideiTunes=1\n");
            Click(*widget, kToggle);
            Click(*widget, kToggle);
        }
        CHECK(watchdog.End() < 5000);
    }
    SetEvent(release);
    player.join();
    CloseHandle(started);
    CloseHandle(release);
}
