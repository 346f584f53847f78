// The pages handed to the host's configuration dialog. Each page finds its
// widget through a window property, since the dialog procedures are shared by
// every widget.
#include "ui/page_ids.h"
#include "ui/pages.h"

#include "platform/host_api.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstddef>

namespace {

constexpr char kInstanceProperty[] = "lpData";

// Hosts expect the description layout that ends with the header subtitle.
constexpr UINT kPageDescriptionSize =
    offsetof(PROPSHEETPAGEA, pszHeaderSubTitle) + sizeof(PROPSHEETPAGEA::pszHeaderSubTitle);
static_assert(sizeof(void*) != 4 || kPageDescriptionSize == 48, "page description size on x86");
static_assert(sizeof(void*) != 8 || kPageDescriptionSize == 88, "page description size on x64");

HPROPSHEETPAGE CreatePage(WidgetInstance& instance, int templateId, const char* title, DLGPROC procedure) {
    PROPSHEETPAGEA description = {};
    description.dwSize = kPageDescriptionSize;
    description.dwFlags = PSP_USETITLE;
    description.hInstance = instance.moduleHandle;
    description.pszTemplate = MAKEINTRESOURCEA(templateId);
    description.pszTitle = title;
    description.pfnDlgProc = procedure;
    description.lParam = reinterpret_cast<LPARAM>(&instance);
    return CreatePropertySheetPageA(&description);
}

WidgetInstance* PageInstance(HWND page) { return static_cast<WidgetInstance*>(GetPropA(page, kInstanceProperty)); }

// Stores the page's widget (the page description's parameter) on the page
// window and reads it back; null when the description has none.
WidgetInstance* AttachPage(HWND page, LPARAM pageDescription) {
    if (pageDescription) {
        const auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(pageDescription);
        SetPropA(page, kInstanceProperty, reinterpret_cast<HANDLE>(description->lParam));
    }
    return PageInstance(page);
}

int AddPropertySheets(WidgetInstance& widget) {
    const HostFunctions& host = Host();
    // Pages belong to the host once added; without a taker none are made.
    if (!host.DeskletAddPropertySheet) return 0;
    int result = 0;
    const struct {
        int templateId;
        const char* title;
        DLGPROC procedure;
    } pages[] = {{IDD_ITUNES_PAGE, "iTunes interaction", ITunesPageProc}, {IDD_SKIN_PAGE, "Skin", SkinPageProc}};
    for (const auto& page : pages) {
        // A page the system could not build is not handed to the host.
        if (HPROPSHEETPAGE handle = CreatePage(widget, page.templateId, page.title, page.procedure))
            result = CallIfPresent(host.DeskletAddPropertySheet, widget.deskletWindow, handle);
        else
            result = 0;
    }
    return result;
}

}  // namespace

INT_PTR HandlePageMessage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, const PageActions& actions) {
    switch (msg) {
    case WM_INITDIALOG:
        if (WidgetInstance* instance = AttachPage(page, lParam)) {
            actions.show(page, *instance);
            return FALSE;
        }
        return TRUE;
    case WM_COMMAND:
        // The sheet enables its Apply button for a page with changes.
        if (actions.isEdit(wParam)) SendMessageA(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
        return FALSE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY))
            if (WidgetInstance* instance = PageInstance(page)) actions.apply(page, *instance);
        return FALSE;
    case WM_DESTROY: RemovePropA(page, kInstanceProperty); return FALSE;
    default: return FALSE;
    }
}

extern "C" int __stdcall OnAddPropertySheets(void* inst, int) {
    return Guarded(0, [&] {
        auto* instance = static_cast<WidgetInstance*>(inst);
        return instance ? AddPropertySheets(*instance) : 0;
    });
}
