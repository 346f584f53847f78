// Tree items and list rows hold positions in the library, not pointers, so a
// library that changed underneath can only show stale names, never a dead track.
#include "sim/library_view.h"

#include "sim/face_controls.h"
#include "sim/objects.h"
#include "sim/player.h"
#include "player_objects/track_time.h"

#include <string>

namespace sim {
namespace {

enum ControlId : WORD { kTree = 201, kTracks };

constexpr int kTreeWidth = 170;
constexpr int kGap = 6;

// A playlist's place in the library as one tree item key: source * 1000 + playlist.
constexpr LPARAM kPerSource = 1000;

LPARAM KeyOf(size_t source, size_t playlist) { return static_cast<LPARAM>(source) * kPerSource + static_cast<LPARAM>(playlist); }

std::shared_ptr<Playlist> PlaylistAt(LPARAM key) {
    const Library& library = Player::Get().library();
    if (key < 0) return nullptr;
    const auto source = static_cast<size_t>(key / kPerSource);
    const auto playlist = static_cast<size_t>(key % kPerSource);
    if (source >= library.sources.size() || playlist >= library.sources[source]->playlists.size()) return nullptr;
    return library.sources[source]->playlists[playlist];
}

HTREEITEM AddItem(HWND tree, HTREEITEM parent, const std::wstring& text, LPARAM key) {
    TVINSERTSTRUCTW item = {};
    item.hParent = parent;
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT | TVIF_PARAM;
    item.item.pszText = const_cast<wchar_t*>(text.c_str());
    item.item.lParam = key;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void AddColumn(HWND list, int index, const wchar_t* title, int width) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(title);
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW cell = {};
    cell.mask = LVIF_TEXT;
    cell.iItem = row;
    cell.iSubItem = column;
    cell.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
}

}  // namespace

LibraryView::LibraryView(HWND parent)
    : tree_(FaceControl(parent, WC_TREEVIEWW,
                        WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, kTree, L"",
                        WS_EX_CLIENTEDGE)),
      tracks_(FaceControl(parent, WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kTracks,
                          L"", WS_EX_CLIENTEDGE)) {
    SendMessageW(tracks_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumn(tracks_, 0, L"Name", 160);
    AddColumn(tracks_, 1, L"Artist", 105);
    AddColumn(tracks_, 2, L"Album", 110);
    AddColumn(tracks_, 3, L"Time", 45);
    FillTree();
}

void LibraryView::Layout(const RECT& area) {
    const int height = area.bottom - area.top;
    MoveWindow(tree_, area.left, area.top, kTreeWidth, height, TRUE);
    MoveWindow(tracks_, area.left + kTreeWidth + kGap, area.top, area.right - area.left - kTreeWidth - kGap, height, TRUE);
}

void LibraryView::FillTree() {
    const Library& library = Player::Get().library();
    HTREEITEM first = nullptr;  // the first source's first playlist
    for (size_t source = 0; source < library.sources.size(); ++source) {
        HTREEITEM sourceItem = AddItem(tree_, TVI_ROOT, library.sources[source]->name, -1);
        const auto& playlists = library.sources[source]->playlists;
        for (size_t playlist = 0; playlist < playlists.size() && playlist < kPerSource; ++playlist) {
            HTREEITEM item = AddItem(tree_, sourceItem, playlists[playlist]->name, KeyOf(source, playlist));
            if (!first) first = item;
        }
        SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(sourceItem));
    }
    // The whole library shows first, as the player opens on it. The view is not
    // yet its window's while it is built, so the selection's notice goes unheard.
    if (first) SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first));
    ShowTracks(KeyOf(0, 0));
}

void LibraryView::ShowTracks(LPARAM playlistKey) {
    shownKey_ = playlistKey;
    SendMessageW(tracks_, LVM_DELETEALLITEMS, 0, 0);
    const std::shared_ptr<Playlist> playlist = ShownPlaylist();
    if (!playlist) return;
    for (size_t row = 0; row < playlist->tracks.size(); ++row) {
        const Track& track = *playlist->tracks[row];
        const int index = static_cast<int>(row);
        SetCell(tracks_, index, 0, track.name);
        SetCell(tracks_, index, 1, track.artist);
        SetCell(tracks_, index, 2, track.album);
        SetCell(tracks_, index, 3, player_objects::FormatDuration(track.duration));
    }
}

std::shared_ptr<Playlist> LibraryView::ShownPlaylist() const { return PlaylistAt(shownKey_); }

bool LibraryView::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == tree_ && header.code == TVN_SELCHANGEDW) {
        ShowTracks(reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.lParam);
        return true;
    }
    // A double-click or Enter on a track.
    if (header.hwndFrom == tracks_ && header.code == LVN_ITEMACTIVATE) {
        const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
        const std::shared_ptr<Playlist> playlist = ShownPlaylist();
        if (playlist && row >= 0 && static_cast<size_t>(row) < playlist->tracks.size())
            Player::Get().Play(playlist->tracks[static_cast<size_t>(row)], playlist);
        return true;
    }
    return false;
}

}  // namespace sim
