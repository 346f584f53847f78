// Files dropped on the widget reach the player: pictures as artwork of the
// current track, everything else as library additions whose last one plays.
#include "core/timer_ids.h"
#include "rig/hdrop_data_object.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <string>
#include <vector>

using rig::HDropDataObject;

namespace {

BOOL Drop(const rig::Widget& widget, HDropDataObject* data) {
    const rig::Module& module = rig::TheModule();
    POINTL point = {10, 10};
    DWORD effect = DROPEFFECT_COPY;
    CHECK_EQ(module.OnDragEnter(widget.instance(), data, 0, point, &effect), TRUE);
    const BOOL dropped = module.OnDrop(widget.instance(), data, 0, point, &effect);
    CHECK_EQ(module.OnDragLeave(widget.instance()), TRUE);
    return dropped;
}

BOOL Drop(const rig::Widget& widget, std::vector<std::wstring> names,
          HDropDataObject::Kind kind = HDropDataObject::Kind::FileList) {
    auto data = HDropDataObject::Make(std::move(names), kind);
    const BOOL dropped = Drop(widget, data.Get());
    // Every medium fetched comes back unlocked; the data object is not kept.
    CHECK_EQ(data->mediaReleased, data->fetches);
    CHECK_EQ(data->lockedAtRelease, 0);
    CHECK_EQ(data->References(), 1UL);
    return dropped;
}

std::vector<std::wstring> Added(sim::Player& player) { return player.calls().Arguments("IITLibraryPlaylist.AddFile"); }
std::vector<std::wstring> Artwork(sim::Player& player) { return player.calls().Arguments("IITTrack.AddArtworkFromFile"); }

// Lets every pending addition finish and gives the widget one poll tick.
void FinishAdditions(sim::Player& player, const rig::Widget& widget) {
    player.clock().Advance(5000);
    widget.PollTick();
}

std::wstring Playing(sim::Player& player) {
    auto track = player.CurrentTrack();
    return track && player.Playing() ? track->name : std::wstring();
}

}  // namespace

TEST_CASE(pictures_by_their_last_four_characters_become_artwork_and_the_rest_is_added) {
    rig::PlayerScene scene(0, true, true);
    sim::Player& player = scene.player();
    rig::Widget widget;
    const std::wstring folder(rig::WorkFolder().begin(), rig::WorkFolder().end());
    const std::vector<std::wstring> pictures = {L"C:\\pics\\cover.JPG", L"C:\\pics\\back.Png", L"C:\\pics\\b.jpeg",
                                                L"C:\\pics\\xjpeg", L"C:\\pics\\scan.bmp"};
    const std::vector<std::wstring> others = {L"C:\\music\\one.mp3", L"C:\\music\\two.m4a", L"C:\\pics\\anim.gif",
                                              folder, L"C:\\", L"jpeg"};
    std::vector<std::wstring> names;
    for (size_t i = 0; i < others.size(); ++i) {
        if (i < pictures.size()) names.push_back(pictures[i]);
        names.push_back(others[i]);
    }
    player.calls().Clear();
    CHECK_EQ(Drop(widget, names), TRUE);
    CHECK(Artwork(player) == pictures);
    CHECK(Added(player) == others);
    widget.Destroy();
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}

TEST_CASE(a_picture_drop_makes_the_next_redraw_fetch_the_artwork_again) {
    rig::PlayerScene scene(0, true, true);
    sim::Player& player = scene.player();
    rig::MakeSkin("ArtDrop", "[AlbumArt]\nShow=1\nLeft=0\nTop=0\nWidth=60\nHeight=60\n");
    const std::string ini = rig::WorkFolder() + "artdrop.ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=ArtDrop\n");
    rig::Widget widget(ini.c_str(), "W");
    widget.PollTick();
    const int fetchesBefore = player.calls().Count("IITTrack.get_Artwork");
    widget.PollTick();
    CHECK_EQ(player.calls().Count("IITTrack.get_Artwork"), fetchesBefore);

    const std::string picture = rig::WorkFolder() + "dropped.png";
    rig::WritePng(picture, 8, 8, 0xFF3366CC);
    Drop(widget, {std::wstring(picture.begin(), picture.end())});
    CHECK_EQ(player.calls().Count("IITTrack.AddArtworkFromFile"), 1);
    widget.PollTick();
    CHECK(player.calls().Count("IITTrack.get_Artwork") > fetchesBefore);
}

TEST_CASE(several_music_files_are_all_added_and_only_the_last_addition_plays) {
    rig::PlayerScene scene(0, true, true);
    sim::Player& player = scene.player();
    rig::Widget widget;
    Drop(widget, {L"C:\\music\\first.mp3", L"C:\\music\\second.mp3", L"C:\\music\\third.mp3"});
    CHECK_EQ(Added(player).size(), size_t(3));
    FinishAdditions(player, widget);
    CHECK(Playing(player) == L"third");
    CHECK_EQ(player.calls().Count("IITTrack.Play"), 1);
    widget.Destroy();
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}

TEST_CASE(a_later_drop_of_pictures_only_or_of_nothing_cancels_a_pending_play) {
    for (const std::vector<std::wstring>& second :
         {std::vector<std::wstring>{L"C:\\pics\\cover.png"}, std::vector<std::wstring>{}}) {
        rig::PlayerScene scene(0, true, true);
    sim::Player& player = scene.player();
        rig::Widget widget;
        Drop(widget, {L"C:\\music\\waiting.mp3"});
        Drop(widget, second);
        FinishAdditions(player, widget);
        CHECK_EQ(player.calls().Count("IITTrack.Play"), 0);
        CHECK(Playing(player) != L"waiting");
        widget.Destroy();
        CHECK_EQ(sim::OutstandingReferences(), 0L);
    }
}

TEST_CASE(a_drop_without_a_running_player_starts_it_adds_and_plays_the_file) {
    rig::PlayerScene scene(false);
    sim::Player& player = scene.player();
    rig::Widget widget;
    REQUIRE(!player.Running());
    CHECK(!rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs));
    Drop(widget, {L"C:\\music\\wake.mp3"});
    CHECK(player.Running());
    CHECK(rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs));
    CHECK(Added(player) == std::vector<std::wstring>{L"C:\\music\\wake.mp3"});
    FinishAdditions(player, widget);
    CHECK(Playing(player) == L"wake");
}

TEST_CASE(an_empty_list_starts_the_player_and_adds_nothing) {
    rig::PlayerScene scene(false);
    sim::Player& player = scene.player();
    rig::Widget widget;
    Drop(widget, std::vector<std::wstring>{});
    CHECK(player.Running());
    CHECK(rig::TimerRunning(widget.window(), kPollTimerId, kPollTimerPeriodMs));
    CHECK(Added(player).empty());
}

TEST_CASE(data_without_a_usable_file_list_adds_nothing_and_is_released) {
    rig::PlayerScene scene(false);
    sim::Player& player = scene.player();
    rig::Widget widget;
    // Not a file list at all: the player is not even started.
    CHECK_EQ(Drop(widget, {L"C:\\music\\a.mp3"}, HDropDataObject::Kind::NoFileList), TRUE);
    CHECK(!player.Running());
    CHECK_EQ(player.calls().Count("IClassFactory.CreateInstance"), 0);
    // Offered but not delivered, or a list that runs past its memory: attached, nothing added.
    CHECK_EQ(Drop(widget, {L"C:\\music\\a.mp3"}, HDropDataObject::Kind::FetchFails), TRUE);
    CHECK(player.Running());
    auto unterminated = HDropDataObject::Make({L"C:\\music\\a.mp3"}, HDropDataObject::Kind::Unterminated);
    CHECK_EQ(Drop(widget, unterminated.Get()), TRUE);
    CHECK_EQ(unterminated->fetches, 1);
    CHECK_EQ(unterminated->mediaReleased, 1);
    CHECK(Added(player).empty());
    CHECK_EQ(rig::TheModule().OnDrop(widget.instance(), nullptr, 0, POINTL{}, nullptr), TRUE);
}

TEST_CASE(long_names_and_long_lists_reach_the_player_whole) {
    rig::PlayerScene scene(0, true, true);
    sim::Player& player = scene.player();
    rig::Widget widget;
    // Cut to 259 characters this name would end in ".png" and count as a picture.
    const std::wstring pastBuffer = L"C:\\" + std::wstring(252, L'a') + L".png-live.mp3";
    const std::wstring huge = L"C:\\" + std::wstring(32000, L'n') + L".m4a";
    const std::wstring hugePicture = L"C:\\" + std::wstring(32000, L'p') + L".JPG";
    player.calls().Clear();
    Drop(widget, {pastBuffer, huge, hugePicture});
    CHECK(Added(player) == (std::vector<std::wstring>{pastBuffer, huge}));
    CHECK(Artwork(player) == std::vector<std::wstring>{hugePicture});

    std::vector<std::wstring> many;
    for (int i = 0; i < 1000; ++i) many.push_back(L"C:\\missing\\track" + std::to_wstring(i) + L".mp3");
    player.calls().Clear();
    Drop(widget, many);
    CHECK(Added(player) == many);
    FinishAdditions(player, widget);
    CHECK(Playing(player) == L"track999");
    widget.Destroy();
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}

TEST_CASE(the_file_list_is_given_back_before_the_library_playlist_is_released) {
    rig::PlayerScene scene(0, true, true);
    rig::Widget widget;
    auto data = HDropDataObject::Make({L"C:\\music\\order.mp3"});
    long heldAtReturn = -1;
    data->whenReturned = [&heldAtReturn] { heldAtReturn = sim::OutstandingReferences(); };
    CHECK_EQ(Drop(widget, data.Get()), TRUE);
    CHECK_EQ(data->mediaReleased, 1);
    // The library playlist was still held when the medium came back.
    CHECK_EQ(heldAtReturn, sim::OutstandingReferences() + 1);
    data->whenReturned = nullptr;
}
