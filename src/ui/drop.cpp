// Files dropped on the widget: pictures become the current track's artwork,
// everything else is added to the player's library, and the poll timer plays
// the last addition once it has finished.
#include "core/widget_instance.h"
#include "platform/bstr.h"
#include "ui/drop_medium.h"

#include <string>

namespace {

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The last four characters of the name, ASCII letters lower-cased; a name
// of four characters or fewer has none.
std::wstring ExtensionKey(const std::wstring& name) {
    if (name.size() <= 4) return {};
    std::wstring key = name.substr(name.size() - 4);
    for (wchar_t& c : key)
        if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
    return key;
}

bool IsPicture(const std::wstring& name) {
    const std::wstring key = ExtensionKey(name);
    return key == L".png" || key == L".jpg" || key == L".bmp" || key == L"jpeg";
}

void Drop(WidgetInstance& widget, IDataObject* data) {
    FORMATETC format = FileListFormat();
    if (data->QueryGetData(&format) != S_OK) return;
    PlayerLink& player = widget.player;
    // A drop is a request to the player: start it if need be.
    player.AttachOrStart(kDropRequest, widget.deskletWindow, widget.settings.autoHideITunes != 0);
    // Whatever was waiting to play is superseded by this drop.
    player.pendingOperation.Reset();

    // Declared first so the medium is given back before the playlist is released.
    itunes::ComPtr<itunes::IITLibraryPlaylist> library;
    DropMedium medium(data, format);
    if (!medium.HasFiles()) return;
    if (player.iTunesApp) player.iTunesApp->get_LibraryPlaylist(library.GetAddressOf());

    const UINT count = medium.Count();
    for (UINT index = 0; index < count; ++index) {
        const std::wstring name = medium.WideName(index);
        // Some systems report an empty list as one empty name; it names no file.
        if (name.empty()) continue;
        const Bstr path(name);
        if (IsPicture(name)) {
            if (!player.iTunesApp) continue;
            itunes::ComPtr<itunes::IITTrack> track;
            player.iTunesApp->get_CurrentTrack(track.GetAddressOf());
            if (!track) continue;
            itunes::ComPtr<itunes::IITArtwork> artwork;
            track->AddArtworkFromFile(path.get(), artwork.GetAddressOf());
            // The next redraw fetches the track's artwork afresh.
            widget.artworkTrackName.reset();
        } else if (library) {
            library->AddFile(path.get(), player.pendingOperation.ReleaseAndGetAddressOf());
        }
    }
}

}  // namespace

extern "C" {

// Nothing to do until the drop lands, where the data is looked at.
BOOL __stdcall OnDragEnter(void*, IDataObject*, DWORD, POINTL, DWORD*) {
    return Guarded(TRUE, [] { return TRUE; });
}

BOOL __stdcall OnDragLeave(void*) {
    return Guarded(TRUE, [] { return TRUE; });
}

BOOL __stdcall OnDrop(void* inst, IDataObject* data, DWORD, POINTL, DWORD*) {
    if (!data) return TRUE;
    // A list too large to copy ends the drop; its owners have released it.
    return ForInstance(inst, TRUE, [data](WidgetInstance& widget) { Drop(widget, data); });
}

}  // extern "C"
