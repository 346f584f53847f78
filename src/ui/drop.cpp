#include "ui/drop.h"

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

}  // namespace

bool OffersFiles(IDataObject& data) {
    FORMATETC format = FileListFormat();
    return data.QueryGetData(&format) == S_OK;
}

void AddDroppedFiles(IDataObject& data, PlayerLink& player, std::optional<std::wstring>& shownArtworkTrack) {
    // Whatever was waiting to play is superseded by this drop.
    player.pendingOperation.Reset();

    // Declared first so the medium is given back before the playlist is released.
    itunes::ComPtr<itunes::IITLibraryPlaylist> library;
    DropMedium medium(&data, FileListFormat());
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
            shownArtworkTrack.reset();
        } else if (library) {
            library->AddFile(path.get(), player.pendingOperation.ReleaseAndGetAddressOf());
        }
    }
}
