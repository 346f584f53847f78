#include "input/context_menu.h"

#include "platform/bstr.h"
#include "platform/host_api.h"
#include "platform/win_owners.h"

#include <algorithm>
#include <vector>

namespace {

// The host's own commands lie below this id; playlists count up from it.
constexpr UINT kFirstPlaylistId = 1000;
constexpr int kFirstHostCommand = 1;
// Counts come from the player: one claiming billions of sources or playlists
// must not hold the widget in these loops, so the items asked for in one menu
// are bounded. That is more entries than fit any screen, and their ids stay
// within the 16 bits a menu command carries.
constexpr long kMaxItemsAsked = 8192;

// The playlists of the menu being built, entry n for id 1000 + n, and how
// many more items may be asked for.
struct MenuPlaylists {
    std::vector<itunes::ComPtr<itunes::IITPlaylist>> entries;
    long itemsLeft = kMaxItemsAsked;

    // Indices 1 to the count, as far as the bound allows.
    long Take(long count) {
        const long taken = std::clamp(count, 0L, itemsLeft);
        itemsLeft -= taken;
        return taken;
    }
};

const wchar_t* TextOrEmpty(const Bstr& text) { return text.get() ? text.get() : L""; }

// Appends the source's playlists to the popup; entry n of the list is id 1000 + n.
void AddPlaylists(itunes::IITPlaylistCollection& collection, HMENU popup, MenuPlaylists& playlists) {
    long count = 0;
    collection.get_Count(&count);
    count = playlists.Take(count);
    for (long index = 1; index <= count; ++index) {
        itunes::ComPtr<itunes::IITPlaylist> playlist;
        collection.get_Item(index, playlist.GetAddressOf());
        if (!playlist) continue;
        Bstr name;
        playlist->get_Name(name.out());
        const UINT id = kFirstPlaylistId + static_cast<UINT>(playlists.entries.size());
        AppendMenuW(popup, MF_STRING, id, TextOrEmpty(name));
        playlists.entries.push_back(std::move(playlist));
    }
}

void AddSources(itunes::IiTunes& app, HMENU menu, MenuPlaylists& playlists) {
    itunes::ComPtr<itunes::IITSourceCollection> sources;
    app.get_Sources(sources.GetAddressOf());
    if (!sources) return;
    long count = 0;
    sources->get_Count(&count);
    count = playlists.Take(count);
    for (long index = 1; index <= count; ++index) {
        itunes::ComPtr<itunes::IITSource> source;
        sources->get_Item(index, source.GetAddressOf());
        if (!source) continue;
        UniqueMenu popup(CreatePopupMenu());
        // Held until the submenu is attached; the name is freed first.
        itunes::ComPtr<itunes::IITPlaylistCollection> collection;
        Bstr name;
        source->get_Name(name.out());
        source->get_Playlists(collection.GetAddressOf());
        if (collection) AddPlaylists(*collection.Get(), popup.get(), playlists);
        // A source without playlists still shows, as an empty submenu.
        if (AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()), TextOrEmpty(name))) popup.release();
    }
}

}  // namespace

void ShowContextMenu(HWND widgetWindow, itunes::IiTunes* player) {
    UniqueMenu menu(CallIfPresent(Host().DeskletGetDefaultMenu, widgetWindow, kFirstHostCommand));
    // Without a menu from the host the playlists still get one.
    if (!menu.get()) menu = UniqueMenu(CreatePopupMenu());
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, "-");
    MenuPlaylists playlists;
    if (player) AddSources(*player, menu.get(), playlists);

    POINT cursor = {};
    if (!GetCursorPos(&cursor)) cursor = {};
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD, cursor.x, cursor.y, 0, widgetWindow, nullptr));
    if (chosen < kFirstPlaylistId)
        CallIfPresent(Host().DeskletDoDefaultMenuCommand, widgetWindow, kFirstHostCommand, static_cast<int>(chosen));
    else if (chosen - kFirstPlaylistId < playlists.entries.size())
        playlists.entries[chosen - kFirstPlaylistId]->PlayFirstTrack();
}
