#include "ui/property_page.h"

#include <commctrl.h>

#include <cstddef>

namespace {

constexpr char kInstanceProperty[] = "lpData";

// Hosts expect the description layout that ends with the header subtitle.
constexpr UINT kPageDescriptionSize =
    offsetof(PROPSHEETPAGEA, pszHeaderSubTitle) + sizeof(PROPSHEETPAGEA::pszHeaderSubTitle);
static_assert(sizeof(void*) != 4 || kPageDescriptionSize == 48, "page description size on x86");
static_assert(sizeof(void*) != 8 || kPageDescriptionSize == 88, "page description size on x64");

void* PageWidget(HWND page) { return GetPropA(page, kInstanceProperty); }

// Stores the page's widget (the page description's parameter) on the page
// window and reads it back; null when the description has none.
void* AttachPage(HWND page, LPARAM pageDescription) {
    if (pageDescription) {
        const auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(pageDescription);
        SetPropA(page, kInstanceProperty, reinterpret_cast<HANDLE>(description->lParam));
    }
    return PageWidget(page);
}

}  // namespace

HPROPSHEETPAGE CreatePage(HINSTANCE module, int templateId, const char* title, DLGPROC procedure, void* widget) {
    PROPSHEETPAGEA description = {};
    description.dwSize = kPageDescriptionSize;
    description.dwFlags = PSP_USETITLE;
    description.hInstance = module;
    description.pszTemplate = MAKEINTRESOURCEA(templateId);
    description.pszTitle = title;
    description.pfnDlgProc = procedure;
    description.lParam = reinterpret_cast<LPARAM>(widget);
    return CreatePropertySheetPageA(&description);
}

INT_PTR HandlePageMessage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, const PageActions& actions) {
    switch (msg) {
    case WM_INITDIALOG:
        if (void* widget = AttachPage(page, lParam)) {
            actions.show(page, widget);
            return FALSE;
        }
        return TRUE;
    case WM_COMMAND:
        // The sheet enables its Apply button for a page with changes.
        if (actions.isEdit(wParam)) SendMessageA(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
        return FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY))
            if (void* widget = PageWidget(page)) actions.apply(page, widget);
        return FALSE;
    case WM_DESTROY: RemovePropA(page, kInstanceProperty); return FALSE;
    default: return FALSE;
    }
}
