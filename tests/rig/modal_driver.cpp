#include "rig/modal_driver.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>

namespace rig {

namespace {

constexpr UINT kTickMs = 20;
constexpr int kMessageBoxTextId = 0xFFFF;
#ifndef MN_GETHMENU
constexpr UINT MN_GETHMENU = 0x01E1;
#endif

ModalDriver* g_active = nullptr;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct WindowSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleOfClass(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    if (IsWindowVisible(window) && ClassOf(window) == search.className) search.found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> VisibleThreadWindows(const char* className) {
    WindowSearch search{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectVisibleOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Presses the button as a click would, after the driver's tick has returned.
void Press(HWND dialog, int buttonId) {
    if (HWND button = GetDlgItem(dialog, buttonId))
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

void PostKey(HWND window, WPARAM key) { PostMessageW(window, WM_KEYDOWN, key, 0); }

std::vector<MenuItemSeen> ReadMenu(HMENU menu) {
    std::vector<MenuItemSeen> items;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
        MenuItemSeen item;
        const HMENU submenu = info.hSubMenu;
        item.separator = (info.fType & MFT_SEPARATOR) != 0;
        item.submenu = submenu != nullptr;
        item.id = item.submenu ? 0 : info.wID;
        if (!item.separator) {
            std::wstring text(info.cch + 1, L'\0');
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
            info.fMask = MIIM_STRING;
            GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
            text.resize(info.cch);
            item.text = text;
        }
        if (submenu) item.items = ReadMenu(submenu);
        items.push_back(std::move(item));
    }
    return items;
}

bool FindPath(const std::vector<MenuItemSeen>& items, UINT id, std::vector<int>& path) {
    for (size_t position = 0; position < items.size(); ++position) {
        const MenuItemSeen& item = items[position];
        path.push_back(static_cast<int>(position));
        if (!item.separator && !item.submenu && item.id == id) return true;
        if (item.submenu && FindPath(item.items, id, path)) return true;
        path.pop_back();
    }
    return false;
}

int HighlightedPosition(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        if (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) return position;
    return -1;
}

}  // namespace

ModalDriver::ModalDriver() {
    g_active = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, OnTimer);
}

ModalDriver::~ModalDriver() {
    KillTimer(nullptr, timer_);
    g_active = nullptr;
}

void ModalDriver::PressInNextMessageBox(int buttonId) { boxPlans_.push_back(buttonId); }
void ModalDriver::ChooseInNextFileDialog(const std::wstring& path) { filePlans_.push_back(path); }
void ModalDriver::ChooseInNextMenu(UINT commandId) { menuPlans_.push_back(commandId); }

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_active) g_active->Look();
}

void ModalDriver::Look() {
    const std::vector<HWND> menuWindows = VisibleThreadWindows("#32768");
    if (menuWindows.empty())
        trip_ = {};
    else
        StepMenu(menuWindows);

    answered_.erase(std::remove_if(answered_.begin(), answered_.end(), [](HWND w) { return !IsWindow(w); }),
                    answered_.end());
    for (HWND dialog : VisibleThreadWindows("#32770")) {
        if (std::find(answered_.begin(), answered_.end(), dialog) != answered_.end()) continue;
        answered_.push_back(dialog);
        if (GetDlgItem(dialog, cmb1))
            AnswerFileDialog(dialog);
        else
            AnswerMessageBox(dialog);
    }
}

void ModalDriver::AnswerMessageBox(HWND box) {
    MessageBoxSeen seen;
    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    seen.caption = caption;
    std::string text(4096, '\0');
    text.resize(GetDlgItemTextA(box, kMessageBoxTextId, text.data(), static_cast<int>(text.size())));
    seen.text = text;
    seen.owner = GetWindow(box, GW_OWNER);
    const HICON errorIcon = LoadIcon(nullptr, IDI_ERROR);
    for (HWND child : Children(box)) {
        const std::string kind = ClassOf(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON)
            seen.errorIcon = seen.errorIcon || reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == errorIcon;
        if (kind == "Button" && IsWindowVisible(child)) seen.buttons.push_back(GetDlgCtrlID(child));
    }
    boxes_.push_back(seen);

    int button = IDOK;
    if (!boxPlans_.empty()) {
        button = boxPlans_.front();
        boxPlans_.pop_front();
    } else {
        ++unplanned_;
    }
    Press(box, button);
}

void ModalDriver::AnswerFileDialog(HWND dialog) {
    FileDialogSeen seen;
    seen.owner = GetWindow(dialog, GW_OWNER);
    HWND types = GetDlgItem(dialog, cmb1);
    const LRESULT count = SendMessageW(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(types, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(static_cast<size_t>(SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        seen.fileTypes.push_back(text);
    }
    HWND name = GetDlgItem(dialog, edt1);
    if (!name) name = GetDlgItem(dialog, cmb13);
    seen.fileName = TextOf(name);
    HWND readOnly = GetDlgItem(dialog, chx1);
    seen.readOnlyBoxVisible = readOnly && IsWindowVisible(readOnly);
    fileDialogs_.push_back(seen);

    std::wstring path;
    if (!filePlans_.empty()) {
        path = filePlans_.front();
        filePlans_.pop_front();
    } else {
        ++unplanned_;
    }
    if (path.empty()) {
        Press(dialog, IDCANCEL);
        return;
    }
    SetWindowTextW(name, path.c_str());
    Press(dialog, IDOK);
}

void ModalDriver::StepMenu(const std::vector<HWND>& menuWindows) {
    std::vector<HMENU> shown;
    for (HWND window : menuWindows) shown.push_back(reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)));

    if (std::find(menuWindows.begin(), menuWindows.end(), trip_.window) == menuWindows.end()) {
        // A menu just opened: only its top level shows.
        trip_ = {};
        trip_.window = menuWindows.front();
        trip_.top = shown.front();
        menus_.push_back(ReadMenu(trip_.top));
        UINT id = 0;
        if (!menuPlans_.empty()) {
            id = menuPlans_.front();
            menuPlans_.pop_front();
        } else {
            ++unplanned_;
        }
        if (id != 0) FindPath(menus_.back(), id, trip_.path);
    }
    if (trip_.done) return;
    if (trip_.path.empty()) {
        PostKey(trip_.window, VK_ESCAPE);
        trip_.done = true;
        return;
    }

    // The deepest open level along the path, and its window.
    size_t depth = 0;
    HMENU level = trip_.top;
    HWND levelWindow = trip_.window;
    while (depth + 1 < trip_.path.size()) {
        HMENU sub = GetSubMenu(level, trip_.path[depth]);
        const auto open = std::find(shown.begin(), shown.end(), sub);
        if (!sub || open == shown.end()) break;
        level = sub;
        levelWindow = menuWindows[static_cast<size_t>(open - shown.begin())];
        ++depth;
    }
    if (HighlightedPosition(level) != trip_.path[depth]) {
        PostKey(levelWindow, VK_DOWN);
    } else if (depth + 1 < trip_.path.size()) {
        PostKey(levelWindow, VK_RIGHT);
    } else {
        PostKey(levelWindow, VK_RETURN);
        trip_.done = true;
    }
}

}  // namespace rig
