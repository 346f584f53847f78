#include "input/buttons.h"

#include "platform/bstr.h"

#include <commdlg.h>

#include <cstddef>
#include <vector>

namespace {

// The dialog structure as it was before the fields of later Windows versions,
// at this architecture's size (OPENFILENAME_SIZE_VERSION_400W; 76 bytes on x86).
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(OPENFILENAMEW::lpTemplateName);
constexpr DWORD kOpenFileFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
constexpr size_t kPathBufferChars = 52000;
constexpr size_t kTitleBufferChars = MAX_PATH;
constexpr wchar_t kFilters[] = L"MP3 Files(*.mp3)\0*.mp3\0All Files(*.*)\0*.*\0";

static_assert(kOpenFileNameSize <= sizeof(OPENFILENAMEW));
static_assert(sizeof(void*) != 4 || kOpenFileNameSize == 76);

// The chosen path, empty when the dialog was cancelled or failed. The wide
// dialog hands the path over exactly as the file system spells it.
std::wstring ChooseFile(HWND owner, HINSTANCE module) {
    std::vector<wchar_t> path(kPathBufferChars, L'\0');
    std::vector<wchar_t> title(kTitleBufferChars, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = module;
    dialog.lpstrFilter = kFilters;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.Flags = kOpenFileFlags;
    if (!GetOpenFileNameW(&dialog)) return {};
    path.back() = L'\0';
    return path.data();
}

}  // namespace

void ToggleMute(itunes::IiTunes& app) {
    VARIANT_BOOL muted = VARIANT_FALSE;
    app.get_Mute(&muted);
    app.put_Mute(muted == VARIANT_TRUE ? VARIANT_FALSE : VARIANT_TRUE);
}

void OpenAndAddFile(HWND widgetWindow, HINSTANCE module, PlayerLink& player) {
    const std::wstring chosen = ChooseFile(widgetWindow, module);
    if (chosen.empty()) return;
    const Bstr path(chosen);
    itunes::ComPtr<itunes::IITLibraryPlaylist> library;
    player.iTunesApp->get_LibraryPlaylist(library.GetAddressOf());
    if (!library) return;
    // The new addition takes the place of one still pending.
    library->AddFile(path.get(), player.pendingOperation.ReleaseAndGetAddressOf());
}

void ToggleITunesWindow() {
    HWND window = itunes::MainWindow();
    if (!window) return;
    itunes::ShowMainWindow(window, IsWindowVisible(window) ? SW_HIDE : SW_SHOW);
}
