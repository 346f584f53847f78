// The simulated player's own semantics that the other tests rely on.
#include "rig/rig.h"
#include "sim/player.h"

#include "platform/bstr.h"
#include "platform/itunes_com.h"

#include <wrl/client.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace {

sim::Player& FreshPlayer() {
    sim::Player& player = sim::Player::Get();
    player.Reset();
    player.Register();
    return player;
}

ComPtr<itunes::IiTunes> CreateApp() {
    ComPtr<itunes::IiTunes> app;
    CoCreateInstance(itunes::CLSID_iTunesApp, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                     itunes::IID_IiTunes, reinterpret_cast<void**>(app.GetAddressOf()));
    return app;
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring TrackName(itunes::IITTrack* track) {
    Bstr name;
    track->get_Name(name.out());
    return name.str();
}

}  // namespace

TEST_CASE(creating_the_object_starts_the_player_and_revoking_makes_it_unavailable) {
    sim::Player& player = FreshPlayer();
    player.SetStartVisible(false);
    REQUIRE(FindWindowA("iTunes", nullptr) == nullptr);
    {
        ComPtr<itunes::IiTunes> app = CreateApp();
        REQUIRE(app);
        CHECK(player.Running());
        HWND window = FindWindowA("iTunes", nullptr);
        CHECK(window == player.Window());
        CHECK(!IsWindowVisible(window));
        ShowWindow(window, SW_SHOWNA);
        CHECK(IsWindowVisible(window));
        CHECK(CreateApp().Get() == app.Get());
        CHECK_EQ(player.calls().Count("IClassFactory.CreateInstance"), 2);
    }
    CHECK_EQ(sim::OutstandingReferences(), 0L);
    player.Revoke();
    CHECK(!CreateApp());
    player.Register();
    CHECK(CreateApp());
}

TEST_CASE(references_return_to_zero_after_walking_sources_playlists_and_tracks) {
    sim::Player& player = FreshPlayer();
    player.Start(false);
    long objectsBefore = sim::LiveObjects();
    {
        ComPtr<itunes::IiTunes> app = CreateApp();
        ComPtr<itunes::IITSourceCollection> sources;
        REQUIRE(SUCCEEDED(app->get_Sources(&sources)));
        long sourceCount = 0;
        sources->get_Count(&sourceCount);
        CHECK_EQ(sourceCount, 2L);
        ComPtr<itunes::IITSource> pocket;
        sources->get_Item(2, &pocket);
        Bstr sourceName;
        pocket->get_Name(sourceName.out());
        CHECK_EQ(sourceName.str(), std::wstring(L"Pocket Player"));
        ComPtr<itunes::IITPlaylistCollection> playlists;
        pocket->get_Playlists(&playlists);
        ComPtr<itunes::IITPlaylist> runMix;
        CHECK_EQ(playlists->get_Item(3, &runMix), E_INVALIDARG);
        CHECK(!runMix);
        playlists->get_Item(2, &runMix);
        REQUIRE(SUCCEEDED(runMix->PlayFirstTrack()));
        ComPtr<itunes::IITTrack> current;
        app->get_CurrentTrack(&current);
        REQUIRE(current);
        CHECK_EQ(TrackName(current.Get()), std::wstring(L"Static Bloom"));
        ComPtr<itunes::IITLibraryPlaylist> notLibrary;
        CHECK_EQ(runMix.As(&notLibrary), E_NOINTERFACE);
        CHECK(sim::OutstandingReferences() > 0);
    }
    CHECK_EQ(sim::OutstandingReferences(), 0L);
    CHECK_EQ(sim::LiveObjects(), objectsBefore);
}

TEST_CASE(playback_follows_the_clock_and_pausing_keeps_the_track) {
    sim::Player& player = FreshPlayer();
    player.Start(false);
    ComPtr<itunes::IiTunes> app = CreateApp();
    ComPtr<itunes::IITTrack> none;
    CHECK_EQ(app->get_CurrentTrack(&none), S_OK);
    CHECK(!none);

    player.SetCurrentTrack(0);  // 3:34
    player.SetPlaying(true);
    player.clock().Advance(5500);
    long position = 0;
    app->get_PlayerPosition(&position);
    CHECK_EQ(position, 5L);
    app->PlayPause();
    player.clock().Advance(10000);
    itunes::ITPlayerState state = -1;
    app->get_PlayerState(&state);
    CHECK_EQ(state, itunes::ITPlayerStateStopped);
    CHECK_EQ(player.Position(), 5L);
    CHECK(player.CurrentTrack() == player.TrackAt(0));

    app->PlayPause();
    player.clock().Advance(214000 - 5500 + 1000);
    CHECK(player.CurrentTrack() == player.TrackAt(1));
    CHECK_EQ(player.Position(), 1L);

    app->put_SoundVolume(104);
    CHECK_EQ(player.Volume(), 104L);
    CHECK(player.calls().Arguments("IiTunes.put_SoundVolume") == std::vector<std::wstring>{L"104"});
    app->Stop();
    CHECK(!player.CurrentTrack());
}

TEST_CASE(an_added_file_becomes_a_track_once_the_clock_passes_the_addition) {
    sim::Player& player = FreshPlayer();
    player.Start(false);
    player.SetAddFileDuration(2000);
    ComPtr<itunes::IiTunes> app = CreateApp();
    ComPtr<itunes::IITLibraryPlaylist> library;
    REQUIRE(SUCCEEDED(app->get_LibraryPlaylist(&library)));
    Bstr path(L"C:\\music\\New Song.mp3");
    ComPtr<itunes::IITOperationStatus> status;
    REQUIRE(SUCCEEDED(library->AddFile(path.get(), &status)));
    CHECK(player.calls().Arguments("IITLibraryPlaylist.AddFile") == std::vector<std::wstring>{path.str()});

    auto trackCount = [&] {
        ComPtr<itunes::IITTrackCollection> tracks;
        status->get_Tracks(&tracks);
        long count = -1;
        if (tracks) tracks->get_Count(&count);
        return count;
    };
    VARIANT_BOOL inProgress = VARIANT_FALSE;
    status->get_InProgress(&inProgress);
    CHECK(inProgress == VARIANT_TRUE);
    CHECK_EQ(trackCount(), 0L);
    player.clock().Advance(2000);
    status->get_InProgress(&inProgress);
    CHECK(inProgress == VARIANT_FALSE);
    REQUIRE(trackCount() == 1);
    ComPtr<itunes::IITTrackCollection> tracks;
    status->get_Tracks(&tracks);
    ComPtr<itunes::IITTrack> added;
    tracks->get_Item(1, &added);
    CHECK_EQ(TrackName(added.Get()), std::wstring(L"New Song"));
    added->Play();
    CHECK(player.Playing());
    CHECK_EQ(player.CurrentTrack()->name, std::wstring(L"New Song"));

    player.SetAddFileYieldsNoTracks(true);
    ComPtr<itunes::IITOperationStatus> empty;
    library->AddFile(path.get(), &empty);
    status = empty;
    player.clock().Advance(2000);
    status->get_InProgress(&inProgress);
    CHECK(inProgress == VARIANT_FALSE);
    CHECK_EQ(trackCount(), 0L);
}

TEST_CASE(faults_fail_return_nothing_huge_strings_and_disconnect) {
    sim::Player& player = FreshPlayer();
    player.Start(false);
    player.SetCurrentTrack(23);
    ComPtr<itunes::IiTunes> app = CreateApp();

    player.faults().Fail("IiTunes.get_Version", E_ACCESSDENIED);
    Bstr version;
    CHECK_EQ(app->get_Version(version.out()), E_ACCESSDENIED);
    CHECK(version.get() == nullptr);

    player.faults().ReturnNothing("IiTunes.get_CurrentTrack");
    ComPtr<itunes::IITTrack> track;
    CHECK_EQ(app->get_CurrentTrack(&track), S_OK);
    CHECK(!track);

    player.faults().Clear();
    app->get_CurrentTrack(&track);
    REQUIRE(track);
    player.faults().ReturnHugeString("IITTrack.get_Name");
    Bstr name;
    CHECK_EQ(track->get_Name(name.out()), S_OK);
    CHECK_EQ(SysStringLen(name.get()), 1u << 20);

    player.faults().DisconnectAll();
    long volume = 7;
    CHECK_EQ(app->get_SoundVolume(&volume), RPC_E_DISCONNECTED);
    CHECK_EQ(volume, 0L);
    CHECK_EQ(track->Play(), RPC_E_DISCONNECTED);
    CHECK_EQ(player.calls().Count("IITTrack.get_Name"), 1);

    // After quitting, objects of that run stay dead, also once it runs again.
    player.faults().Clear();
    CHECK_EQ(app->Quit(), S_OK);
    CHECK(!player.Running());
    CHECK(FindWindowA("iTunes", nullptr) == nullptr);
    CHECK_EQ(app->get_SoundVolume(&volume), RPC_E_DISCONNECTED);
    ComPtr<itunes::IiTunes> again = CreateApp();
    REQUIRE(again);
    CHECK(again.Get() != app.Get());
    CHECK_EQ(app->get_SoundVolume(&volume), RPC_E_DISCONNECTED);
    CHECK_EQ(again->get_SoundVolume(&volume), S_OK);
}

TEST_CASE(artwork_is_saved_as_png_and_added_artwork_replaces_it) {
    sim::Player& player = FreshPlayer();
    player.Start(false);
    player.SetCurrentTrack(0);
    player.SetArtwork(2, false);
    ComPtr<itunes::IiTunes> app = CreateApp();
    ComPtr<itunes::IITTrack> track;
    app->get_CurrentTrack(&track);
    REQUIRE(track);

    ComPtr<itunes::IITArtworkCollection> artworks;
    track->get_Artwork(&artworks);
    long count = 0;
    artworks->get_Count(&count);
    REQUIRE(count == 1);
    ComPtr<itunes::IITArtwork> artwork;
    artworks->get_Item(1, &artwork);
    const std::wstring drawn = Wide(rig::WorkFolder()) + L"drawn";
    Bstr drawnPath(drawn);
    REQUIRE(SUCCEEDED(artwork->SaveArtworkToFile(drawnPath.get())));
    {
        Gdiplus::Bitmap saved(drawn.c_str());
        CHECK_EQ(saved.GetWidth(), 240u);
        CHECK(rig::AlphaOf(rig::PixelAt(&saved, 5, 5)) == 255);
    }

    player.SetCurrentTrack(2);
    ComPtr<itunes::IITTrack> bare;
    app->get_CurrentTrack(&bare);
    ComPtr<itunes::IITArtworkCollection> noArt;
    bare->get_Artwork(&noArt);
    noArt->get_Count(&count);
    CHECK_EQ(count, 0L);

    const std::string picture = rig::WorkFolder() + "cover.png";
    rig::WritePng(picture, 8, 6, 0xFF00FF00);
    ComPtr<itunes::IITArtwork> added;
    Bstr picturePath(Wide(picture));
    REQUIRE(SUCCEEDED(bare->AddArtworkFromFile(picturePath.get(), &added)));
    const std::wstring copy = drawn + L"2";
    Bstr copyPath(copy);
    REQUIRE(SUCCEEDED(added->SaveArtworkToFile(copyPath.get())));
    const std::string pictureBytes = FileBytes(Wide(picture));
    CHECK(pictureBytes.size() > 8);
    CHECK(FileBytes(copy) == pictureBytes);

    Bstr missing(L"C:\\no such folder\\cover.jpg");
    ComPtr<itunes::IITArtwork> none;
    CHECK(FAILED(bare->AddArtworkFromFile(missing.get(), &none)));
    CHECK(!none);
}
