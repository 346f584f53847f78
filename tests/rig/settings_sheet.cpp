#include "rig/settings_sheet.h"

#include <commctrl.h>
#include <prsht.h>

namespace rig {
namespace {

constexpr int kApplyButton = 0x3021;  // the sheet's own Apply button

}  // namespace

SettingsSheet::SettingsSheet(const Widget& widget) {
    CHECK_EQ(TheModule().OnAddPropertySheets(widget.instance(), 0), 2);
    std::vector<HPROPSHEETPAGE>& pages = widget.host().pages;
    REQUIRE(pages.size() == 2);
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.hwndParent = widget.window();
    header.pszCaption = "Widget";
    header.nPages = static_cast<UINT>(pages.size());
    header.phpage = pages.data();
    window_ = reinterpret_cast<HWND>(PropertySheetA(&header));
    pages.clear();  // the sheet owns them now
    REQUIRE(window_ != nullptr);
}

HWND SettingsSheet::Page(int index) const {
    SendMessageA(window_, PSM_SETCURSEL, index, 0);
    return reinterpret_cast<HWND>(SendMessageA(window_, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::string SettingsSheet::TabTitle(int index) const {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(reinterpret_cast<HWND>(SendMessageA(window_, PSM_GETTABCONTROL, 0, 0)), TCM_GETITEMA, index,
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

bool SettingsSheet::ApplyEnabled() const { return IsWindowEnabled(GetDlgItem(window_, kApplyButton)) != FALSE; }

void SettingsSheet::PressApply() const {
    REQUIRE(ApplyEnabled());
    SendMessageA(GetDlgItem(window_, kApplyButton), BM_CLICK, 0, 0);
    CHECK(!ApplyEnabled());
}

}  // namespace rig
