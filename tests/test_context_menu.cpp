// The right-click menu, opened by the real module and driven with the keyboard.
#include "input_fixture.h"
#include "rig/import_patch.h"
#include "rig/modal_driver.h"

using input_test::PlayerScene;
using input_test::WidgetOnSkin;

namespace {

std::shared_ptr<sim::Source> MakeSource(sim::Player& player, const std::wstring& name,
                                        std::initializer_list<const wchar_t*> playlists) {
    auto source = std::make_shared<sim::Source>();
    source->name = name;
    for (const wchar_t* playlistName : playlists) {
        auto playlist = std::make_shared<sim::Playlist>();
        playlist->name = playlistName;
        playlist->tracks = {player.TrackAt(0), player.TrackAt(1)};
        source->playlists.push_back(playlist);
    }
    return source;
}

// Three playlists, then two, then a source without any.
void UseThreeSources(sim::Player& player) {
    auto library = MakeSource(player, L"Library", {L"All", L"Road", L"Quiet"});
    auto pod = MakeSource(player, L"Pod", {L"Run", L"Sleep"});
    auto empty = MakeSource(player, L"Empty", {});
    player.library().sources = {library, pod, empty};
}

void CheckHostPart(const std::vector<rig::MenuItemSeen>& menu) {
    REQUIRE(menu.size() >= 4u);
    for (UINT id = 1; id <= 3; ++id) CHECK_EQ(menu[id - 1].id, id);
    CHECK(menu[3].separator);
}

}  // namespace

TEST_CASE(one_submenu_per_source_with_ids_from_1000_and_a_choice_plays_it) {
    PlayerScene scene;
    sim::Player& player = scene.player();
    UseThreeSources(player);
    auto widget = WidgetOnSkin("menu", "");
    const long referencesBefore = sim::OutstandingReferences();

    rig::ModalDriver driver;
    driver.ChooseInNextMenu(1003);
    widget->RightClick();

    REQUIRE(driver.menus().size() == 1u);
    const auto& menu = driver.menus().front();
    CheckHostPart(menu);
    REQUIRE(menu.size() == 7u);
    const struct {
        const wchar_t* source;
        std::vector<std::pair<UINT, std::wstring>> items;
    } expected[] = {{L"Library", {{1000, L"All"}, {1001, L"Road"}, {1002, L"Quiet"}}},
                    {L"Pod", {{1003, L"Run"}, {1004, L"Sleep"}}},
                    {L"Empty", {}}};
    for (size_t s = 0; s < 3; ++s) {
        const rig::MenuItemSeen& submenu = menu[4 + s];
        CHECK(submenu.submenu);
        CHECK_EQ(submenu.text, std::wstring(expected[s].source));
        REQUIRE(submenu.items.size() == expected[s].items.size());
        for (size_t i = 0; i < submenu.items.size(); ++i) {
            CHECK_EQ(submenu.items[i].id, expected[s].items[i].first);
            CHECK_EQ(submenu.items[i].text, expected[s].items[i].second);
        }
    }

    CHECK_EQ(player.calls().Count("IITPlaylist.PlayFirstTrack"), 1);
    REQUIRE(player.CurrentPlaylist() != nullptr);
    CHECK_EQ(player.CurrentPlaylist()->name, std::wstring(L"Run"));
    CHECK_EQ(rig::RecordingHost::Get().Count("DeskletDoDefaultMenuCommand"), 0u);
    // Every playlist, collection and source went back before the click returned.
    CHECK_EQ(sim::OutstandingReferences(), referencesBefore);
}

TEST_CASE(dismissing_passes_zero_and_host_commands_go_back_to_the_host) {
    PlayerScene scene;
    auto widget = WidgetOnSkin("menu", "");
    rig::RecordingHost& host = rig::RecordingHost::Get();

    rig::ModalDriver driver;
    driver.ChooseInNextMenu(0);
    driver.ChooseInNextMenu(2);
    widget->RightClick();
    CHECK_EQ(host.lastMenuCommand, 0);
    widget->RightClick();
    CHECK_EQ(host.lastMenuCommand, 2);
    CHECK_EQ(host.Count("DeskletDoDefaultMenuCommand"), 2u);
    CHECK_EQ(scene.player().calls().Count("IITPlaylist.PlayFirstTrack"), 0);
    CHECK_EQ(driver.unplanned(), 0);
}

TEST_CASE(without_a_player_the_menu_holds_the_host_part_and_shows_no_box) {
    PlayerScene scene(false);
    scene.player().Revoke();
    auto widget = WidgetOnSkin("menu", "");

    rig::ModalDriver driver;
    driver.ChooseInNextMenu(3);
    widget->RightClick();
    REQUIRE(driver.menus().size() == 1u);
    CheckHostPart(driver.menus().front());
    CHECK_EQ(driver.menus().front().size(), 4u);
    CHECK_EQ(rig::RecordingHost::Get().lastMenuCommand, 3);
    CHECK(driver.messageBoxes().empty());
}

namespace {

using AppendMenuWFunction = BOOL(WINAPI*)(HMENU, UINT, UINT_PTR, LPCWSTR);
AppendMenuWFunction g_realAppendMenuW = nullptr;
std::vector<long> g_heldAtSubmenu;

BOOL WINAPI RecordingAppendMenuW(HMENU menu, UINT flags, UINT_PTR id, LPCWSTR text) {
    if (flags & MF_POPUP) g_heldAtSubmenu.push_back(sim::OutstandingReferences());
    return g_realAppendMenuW(menu, flags, id, text);
}

}  // namespace

TEST_CASE(a_source_and_its_playlist_collection_are_held_until_its_submenu_is_attached) {
    PlayerScene scene;
    UseThreeSources(scene.player());
    auto widget = WidgetOnSkin("menu", "");
    const long referencesBefore = sim::OutstandingReferences();
    HMODULE module = rig::TheModule().handle;
    g_realAppendMenuW = reinterpret_cast<AppendMenuWFunction>(
        rig::PatchImport(module, "user32.dll", "AppendMenuW", reinterpret_cast<void*>(&RecordingAppendMenuW)));
    REQUIRE(g_realAppendMenuW != nullptr);
    g_heldAtSubmenu.clear();

    rig::ModalDriver driver;
    driver.ChooseInNextMenu(0);
    widget->RightClick();
    rig::PatchImport(module, "user32.dll", "AppendMenuW", reinterpret_cast<void*>(g_realAppendMenuW));

    // Source collection, source and playlist collection, plus every playlist listed so far.
    REQUIRE(g_heldAtSubmenu.size() == 3u);
    CHECK_EQ(g_heldAtSubmenu[0], referencesBefore + 3 + 3);
    CHECK_EQ(g_heldAtSubmenu[1], referencesBefore + 3 + 5);
    CHECK_EQ(g_heldAtSubmenu[2], referencesBefore + 3 + 5);
    CHECK_EQ(sim::OutstandingReferences(), referencesBefore);
}
