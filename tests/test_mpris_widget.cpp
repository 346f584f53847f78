// The real module on the player bridge, against a real mpv on a private bus:
// tests/mpris/test_widget.sh starts the bus, the player and the helper, runs
// this program under Wine and answers its questions about the player.
#include "bridge/windows/utf8.h"
#include "platform/win_owners.h"
#include "rig/bridge_player.h"
#include "rig/hdrop_data_object.h"
#include "rig/rig.h"
#include "rig/shell_requests.h"
#include "sim/objects.h"
#include "sim/player.h"

#include <wrl/client.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

namespace {

// The Default skin's controls, in widget pixels.
constexpr POINT kPreviousButton = {114, 88};
constexpr POINT kPlayPauseButton = {140, 88};
constexpr POINT kStopButton = {166, 88};
constexpr POINT kNextButton = {192, 88};
// Halfway along the progress bar (display pane 100 + bar 6, 100 wide).
constexpr POINT kProgressMiddle = {156, 53};
constexpr POINT kArtCentre = {52, 54};
constexpr RECT kWholeWidget = {0, 0, 266, 108};
// Ticks until the info text shows the track's name instead of the artist.
constexpr int kTicksToName = 9;

struct TrackTags {
    std::wstring title, artist, album, genre;
    long seconds = 0;
    std::string title8;
    std::wstring cover, file;  // as this program reaches them
};

// The tracks the script made, as it lists them in QB_TRACKS.
std::vector<TrackTags> Tracks() {
    const char* file = std::getenv("QB_TRACKS");
    REQUIRE(file != nullptr);
    std::istringstream lines(rig::ReadTextFile(rig::WindowsPathOfUnix(file)));
    std::vector<TrackTags> tracks;
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        REQUIRE(fields.size() == 7u);
        tracks.push_back({bridge::windows::WideFromUtf8(fields[0]), bridge::windows::WideFromUtf8(fields[1]),
                          bridge::windows::WideFromUtf8(fields[2]), bridge::windows::WideFromUtf8(fields[3]),
                          std::atol(fields[4].c_str()) / 1000, fields[0],
                          bridge::windows::WideFromUtf8(rig::WindowsPathOfUnix(fields[5])),
                          bridge::windows::WideFromUtf8(rig::WindowsPathOfUnix(fields[6]))});
    }
    REQUIRE(tracks.size() == 3u);
    return tracks;
}

// The Default skin with the track's length as a second extra info, and the
// album art without its overlay, so the cover's own pixels show.
std::string BridgeSkinSettings(bool hideWhenNotLoaded) {
    namespace fs = std::filesystem;
    rig::InstallBundledSkin("Default");
    const std::string skins = rig::WorkFolder() + "skins\\";
    std::string ini = rig::ReadTextFile(skins + "Default\\skin.ini");
    ini.replace(ini.find("DrawOverlay=1"), 13, "DrawOverlay=0");
    ini.replace(ini.find("Count=1"), 7, "Count=2");
    ini += "\n[ExtraInfo-2]\nLeft=6\nTop=35\nWidth=100\nHeight=14\nType=length\nFacename=Arial\nColorA=255\nSize=11\n";
    fs::remove_all(skins + "Bridge");
    fs::copy(skins + "Default", skins + "Bridge", fs::copy_options::recursive);
    rig::WriteTextFile(skins + "Bridge\\skin.ini", ini);
    const std::string settings = rig::WorkFolder() + "bridge.ini";
    rig::WriteTextFile(settings, "[W]\nSkinDir=Bridge\nHideWhenNotLoaded=" + std::to_string(hideWhenNotLoaded) + "\n");
    return settings;
}

using rig::Eventually;
using rig::ShellSays;

// What playerctl says is within tolerance of the number.
bool ShellNumberNear(const std::string& request, double expected, double tolerance) {
    std::string answer;
    const bool within = Eventually([&] {
        answer = rig::AskShell(request);
        return std::abs(std::atof(answer.c_str()) - expected) <= tolerance;
    });
    if (!within) std::printf("  %s: %s, not %g\n", request.c_str(), answer.c_str(), expected);
    return within;
}

// The bridge as the player, which can tell whether the helper shows a track.
struct BridgeAsPlayer : rig::BridgeAsPlayer {
    using rig::BridgeAsPlayer::BridgeAsPlayer;

    // The player's window is there and the helper shows the track, its length known.
    bool Shows(const TrackTags& track) {
        session.Check();
        const std::shared_ptr<const bridge::windows::Status> status = session.client().CurrentStatus();
        return session.window() && status && status->title == track.title8 &&
               (status->length_ms + 500) / 1000 == track.seconds;
    }
};

// The simulated player playing nothing but the track, paused at its start, at full volume.
void SimulatedPlayerWith(const TrackTags& tags) {
    sim::Player& player = rig::RunningPlayer();
    auto track = std::make_shared<sim::Track>();
    track->name = tags.title;
    track->artist = tags.artist;
    track->album = tags.album;
    track->genre = tags.genre;
    track->duration = tags.seconds;
    track->artwork = std::make_shared<sim::Artwork>();
    REQUIRE(SUCCEEDED(sim::ReadArtworkFile(tags.cover.c_str(), *track->artwork)));
    auto library = std::make_shared<sim::Playlist>();
    library->kind = 1;
    library->tracks = {track};
    auto source = std::make_shared<sim::Source>();
    source->playlists = {library};
    player.library().sources = {source};
    player.SetCurrentTrack(0);
    player.SetVolume(100);
}

// The widget as it first shows, and as it shows after the name's turn and a wheel step down.
struct Looks {
    std::unique_ptr<Gdiplus::Bitmap> artist, name;
};

Looks LooksOfWidget(const std::string& settings) {
    rig::Widget widget(settings.c_str(), "W");
    Looks looks;
    looks.artist = widget.Composite();
    for (int i = 0; i < kTicksToName; ++i) widget.PollTick();
    // A wheel step redraws at once, paused or not.
    widget.WheelBackward();
    looks.name = widget.Composite();
    return looks;
}

bool NearColour(Gdiplus::ARGB pixel, Gdiplus::ARGB colour) {
    for (int shift : {0, 8, 16, 24})
        if (std::abs(static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((colour >> shift) & 0xFF)) > 3)
            return false;
    return true;
}

}  // namespace

TEST_CASE(a_wrong_token_is_refused_and_the_widget_shows_no_player) {
    const std::string settings = BridgeSkinSettings(false);
    sim::Player::Get().Revoke();
    std::unique_ptr<Gdiplus::Bitmap> noPlayer = rig::Widget(settings.c_str(), "W").Composite();

    std::string session = rig::ReadTextFile(rig::WindowsPathOfUnix(std::getenv("QB_BRIDGE_SESSION")));
    const std::size_t last = session.find_last_not_of("\r\n");
    REQUIRE(last != std::string::npos);
    session[last] = session[last] == '0' ? '1' : '0';
    const std::string wrongSession = rig::WorkFolder() + "wrong-token";
    rig::WriteTextFile(wrongSession, session);

    BridgeAsPlayer bridge(wrongSession);
    REQUIRE(bridge.session.registered());
    CHECK(Eventually([&] { return bridge.session.client().problem().find("refused") != std::string::npos; }));
    CHECK(bridge.session.client().CurrentStatus() == nullptr);
    CHECK(bridge.session.window() == nullptr);
    Microsoft::WRL::ComPtr<itunes::IiTunes> app;
    CHECK(FAILED(CoCreateInstance(itunes::CLSID_iTunesApp, nullptr, CLSCTX_INPROC_SERVER, itunes::IID_IiTunes,
                                  reinterpret_cast<void**>(app.GetAddressOf()))));
    rig::Widget widget(settings.c_str(), "W");
    CHECK_EQ(rig::DifferingPixels(widget.Composite().get(), noPlayer.get(), kWholeWidget), 0);
}

TEST_CASE(the_widget_shows_the_file_as_it_shows_the_same_track_of_the_simulated_player) {
    const std::vector<TrackTags> tracks = Tracks();
    const std::string settings = BridgeSkinSettings(true);
    Looks bridged;
    {
        BridgeAsPlayer bridge;
        REQUIRE(Eventually([&] { return bridge.Shows(tracks[0]); }));
        bridged = LooksOfWidget(settings);
        // The wheel's step reached the player.
        CHECK(ShellNumberNear("playerctl volume", 0.96, 0.005));
    }
    // The first cover is red.
    CHECK(NearColour(rig::PixelAt(bridged.artist.get(), kArtCentre.x, kArtCentre.y), 0xFFFF0000));
    SimulatedPlayerWith(tracks[0]);
    const Looks simulated = LooksOfWidget(settings);
    CHECK_EQ(rig::DifferingPixels(bridged.artist.get(), simulated.artist.get(), kWholeWidget), 0);
    CHECK_EQ(rig::DifferingPixels(bridged.name.get(), simulated.name.get(), kWholeWidget), 0);
    // Both are pictures of something: the name's turn looks other than the artist's.
    CHECK(rig::DifferingPixels(bridged.artist.get(), bridged.name.get(), kWholeWidget) > 0);
}

TEST_CASE(buttons_and_the_progress_bar_reach_the_player) {
    const std::vector<TrackTags> tracks = Tracks();
    BridgeAsPlayer bridge;
    REQUIRE(Eventually([&] { return bridge.Shows(tracks[0]); }));
    rig::Widget widget(BridgeSkinSettings(true).c_str(), "W");

    widget.Click(kPlayPauseButton.x, kPlayPauseButton.y);
    CHECK(ShellSays("playerctl status", "Playing"));
    widget.Click(kNextButton.x, kNextButton.y);
    CHECK(ShellSays("playerctl metadata xesam:title", tracks[1].title8));
    widget.Click(kPreviousButton.x, kPreviousButton.y);
    CHECK(ShellSays("playerctl metadata xesam:title", tracks[0].title8));
    widget.Click(kPlayPauseButton.x, kPlayPauseButton.y);
    CHECK(ShellSays("playerctl status", "Paused"));
    // The player tells a track's length a moment after its title.
    CHECK(Eventually([&] { return bridge.Shows(tracks[0]); }));

    // Half of the bar: half the track, give or take the module's rounding down.
    widget.Click(kProgressMiddle.x, kProgressMiddle.y);
    CHECK(ShellNumberNear("playerctl position", tracks[0].seconds / 2.0, 1));

    // Showing the player raises it where it can; its window stays hidden.
    ShowWindow(bridge.session.window(), SW_SHOW);
    CHECK(!IsWindowVisible(bridge.session.window()));

    widget.Click(kStopButton.x, kStopButton.y);
    CHECK(ShellSays("playerctl status", "Stopped"));
}

TEST_CASE(a_killed_player_hides_the_widget_and_a_new_one_is_picked_up_listed_and_given_files) {
    const std::vector<TrackTags> tracks = Tracks();
    BridgeAsPlayer bridge;
    REQUIRE(Eventually([&] { return bridge.session.window() != nullptr; }));
    rig::Widget widget(BridgeSkinSettings(true).c_str(), "W");
    CHECK(widget.host().visible);

    CHECK_EQ(rig::AskShell("stop-player"), std::string("stopped"));
    CHECK(Eventually([&] {
        widget.PollTick();
        return !widget.host().visible && !bridge.session.window();
    }));

    CHECK_EQ(rig::AskShell("start-player"), std::string("started"));
    CHECK(Eventually([&] {
        widget.PollTick();
        return widget.host().visible && bridge.Shows(tracks[1]);
    }));

    // The host's menu lists it, followed; choosing it pins it.
    UniqueMenu menu(CreatePopupMenu());
    bridge.session.menu().Append(menu.get(), 100);
    HMENU players = GetSubMenu(menu.get(), 0);
    REQUIRE(players != nullptr);
    CHECK_EQ(GetMenuItemCount(players), 3);
    CHECK(GetMenuState(players, 100, MF_BYCOMMAND) & MF_CHECKED);
    CHECK(GetMenuState(players, 101, MF_BYCOMMAND) & MF_CHECKED);
    // The choice reaches the helper a moment later: the menu never waits for it.
    const auto pinned = [&] {
        const auto listed = bridge.session.client().Players();
        return listed && listed->size() == 1u && listed->front().pinned;
    };
    bridge.session.menu().Choose(1);
    CHECK(Eventually(pinned));
    bridge.session.menu().Choose(0);
    CHECK(Eventually([&] { return !pinned(); }));

    // A dropped file, in a folder named with a space and letters outside
    // ASCII, is opened in the player and played on the next tick.
    const rig::Module& module = rig::TheModule();
    POINTL point = {10, 10};
    DWORD effect = DROPEFFECT_COPY;
    module.OnDrop(widget.instance(), rig::HDropDataObject::Make({tracks[2].file}).Get(), 0, point, &effect);
    CHECK(ShellSays("playerctl metadata xesam:title", tracks[2].title8));
    widget.PollTick();
    CHECK(ShellSays("playerctl status", "Playing"));
}

TEST_CASE(the_helper_gone_fails_every_call_and_a_new_one_is_attached) {
    BridgeAsPlayer bridge;
    REQUIRE(Eventually([&] { return bridge.session.window() != nullptr; }));
    rig::Widget widget(BridgeSkinSettings(true).c_str(), "W");
    CHECK(widget.host().visible);
    Microsoft::WRL::ComPtr<itunes::IiTunes> app;
    REQUIRE(SUCCEEDED(CoCreateInstance(itunes::CLSID_iTunesApp, nullptr, CLSCTX_INPROC_SERVER, itunes::IID_IiTunes,
                                       reinterpret_cast<void**>(app.GetAddressOf()))));

    CHECK_EQ(rig::AskShell("stop-helper"), std::string("stopped"));
    CHECK(Eventually([&] {
        widget.PollTick();
        return !widget.host().visible && !bridge.session.window();
    }));
    long volume = -1;
    CHECK_EQ(app->get_SoundVolume(&volume), RPC_E_DISCONNECTED);
    CHECK_EQ(volume, 0L);

    // The new helper has a new port and token, in the same session file.
    CHECK_EQ(rig::AskShell("start-helper"), std::string("started"));
    CHECK(Eventually([&] {
        widget.PollTick();
        return widget.host().visible;
    }));
    // Objects of the old helper's time stay gone.
    CHECK_EQ(app->get_SoundVolume(&volume), RPC_E_DISCONNECTED);
}
