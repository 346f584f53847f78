// The lower part of the player's window: sources and their playlists in a
// tree, the chosen playlist's tracks in a list; activating a track plays it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

namespace sim {

struct Playlist;

class LibraryView {
public:
    explicit LibraryView(HWND parent);
    void Layout(const RECT& area);
    // True when the notification was one of this view's.
    bool OnNotify(const NMHDR& header);

private:
    void FillTree();
    void ShowTracks(LPARAM playlistKey);
    std::shared_ptr<Playlist> ShownPlaylist() const;

    HWND tree_, tracks_;
    LPARAM shownKey_ = -1;  // the playlist in the list, as its tree item's key
};

}  // namespace sim
