// The host's default menu and the configuration dialog with the module's pages.
#include "host/widget_window.h"

#include "bridge/windows/player_menu.h"
#include "host/options_menu.h"

#include <commctrl.h>

namespace host {
namespace {

// The module adds its playlists from id 1000 and asks for the host's items from 1.
static_assert(WidgetWindow::kFirstOptionsItem + kOptionsItemCount <= WidgetWindow::kReloadSkin);
static_assert(WidgetWindow::kReloadSkin < WidgetWindow::kFirstPlayerItem);
static_assert(1 + WidgetWindow::kFirstPlayerItem + bridge::windows::PlayerMenu::kItemCount <= 1000);

// The sheet's Apply button (not in every SDK's headers).
constexpr WORD kApplyNowId = 0x3021;
constexpr UINT_PTR kSheetSubclassId = 1;

WidgetOwner* g_sheetOwner = nullptr;  // the owner of the sheet being shown (modal, one at a time)

// Pages take their values on Apply and OK; the settings file follows right after.
LRESULT CALLBACK SheetProc(HWND sheet, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(sheet, &SheetProc, id);
    const LRESULT result = DefSubclassProc(sheet, msg, wParam, lParam);
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == kApplyNowId))
        reinterpret_cast<WidgetOwner*>(data)->SaveAll();
    return result;
}

int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM) {
    if (msg == PSCB_INITIALIZED && g_sheetOwner)
        SetWindowSubclass(sheet, &SheetProc, kSheetSubclassId, reinterpret_cast<DWORD_PTR>(g_sheetOwner));
    return 0;
}

}  // namespace

HMENU WidgetWindow::DefaultMenu(int startId) const {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    AppendMenuW(menu, MF_STRING, startId + kProperties, L"Properties\u2026");
    AppendMenuW(menu, MF_STRING, startId + kRemove, L"Remove widget");
    AppendOptionsItems(menu, startId + kFirstOptionsItem, options_);
    AppendMenuW(menu, MF_STRING, startId + kReloadSkin, L"Reload skin");
    if (bridge::windows::PlayerMenu* players = owner_.playerMenu())
        players->Append(menu, static_cast<UINT>(startId + kFirstPlayerItem));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, startId + kExit, L"Exit");
    return menu;
}

void WidgetWindow::DoDefaultMenuCommand(int startId, int command) {
    switch (command - startId) {
    case kProperties: ShowProperties(); break;
    case kRemove: owner_.RequestRemove(window_.get()); break;
    case kExit: owner_.RequestExit(); break;
    case kReloadSkin: owner_.ReloadWidget(*this); break;
    default:
        if (WidgetOptions options = options_; ApplyOptionsItem(command - startId - kFirstOptionsItem, options)) {
            SetOptions(options);
            owner_.WidgetChanged(*this);
        } else if (bridge::windows::PlayerMenu* players = owner_.playerMenu()) {
            const int item = command - startId - kFirstPlayerItem;
            if (item >= 0 && item < bridge::windows::PlayerMenu::kItemCount) players->Choose(item);
        }
        break;
    }
}

int WidgetWindow::AddPropertyPage(HPROPSHEETPAGE page) {
    if (!page) return 0;
    if (!collectingPages_) {
        // Nobody asked for it: the page would leak.
        DestroyPropertySheetPage(page);
        return 0;
    }
    collectingPages_->push_back(page);
    return static_cast<int>(collectingPages_->size());
}

void WidgetWindow::ShowProperties() {
    if (!instance_ || collectingPages_ || g_sheetOwner) return;
    std::vector<HPROPSHEETPAGE> pages;
    collectingPages_ = &pages;
    CallIfPresent(module_.entry().OnAddPropertySheets, instance_, 0);
    collectingPages_ = nullptr;
    if (pages.empty()) return;

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_USECALLBACK | PSH_NOCONTEXTHELP;
    header.hwndParent = window_.get();
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = "Quillbracket Properties";
    header.nPages = static_cast<UINT>(pages.size());
    header.phpage = pages.data();
    header.pfnCallback = &SheetCallback;
    g_sheetOwner = &owner_;
    PropertySheetA(&header);
    g_sheetOwner = nullptr;
}

}  // namespace host
