#include "host/tray_icon.h"

#include "host/window_object.h"
#include "platform/entry_guard.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

namespace host {
namespace {

constexpr char kWindowClass[] = "QuillhostTray";
constexpr UINT kIconId = 1;
constexpr wchar_t kTooltip[] = L"Quillbracket widgets";

NOTIFYICONDATAW IconData(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = kIconId;
    return data;
}

}  // namespace

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(std::max(length, 0)));
    return wide;
}

TrayIcon::TrayIcon(TrayOwner& owner) : owner_(owner) {
    RegisterWindowClass(kWindowClass, &WindowProc);
    // A top-level window, never shown: the menu needs one to belong to, and
    // only top-level windows hear of display changes.
    window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "Quillhost", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this));
    Add();
}

TrayIcon::~TrayIcon() {
    NOTIFYICONDATAW data = IconData(window_.get());
    Shell_NotifyIconW(NIM_DELETE, &data);
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void TrayIcon::Add() {
    NOTIFYICONDATAW data = IconData(window_.get());
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!data.hIcon) data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynW(data.szTip, kTooltip, ARRAYSIZE(data.szTip));
    shown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    data.uVersion = NOTIFYICON_VERSION_4;
    if (shown_) Shell_NotifyIconW(NIM_SETVERSION, &data);
}

void TrayIcon::ShowWarning(const std::string& title, const std::string& text) {
    NOTIFYICONDATAW data = IconData(window_.get());
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_WARNING;
    lstrcpynW(data.szInfoTitle, Wide(title).c_str(), ARRAYSIZE(data.szInfoTitle));
    lstrcpynW(data.szInfo, Wide(text).c_str(), ARRAYSIZE(data.szInfo));
    Shell_NotifyIconW(NIM_MODIFY, &data);
    balloon_ = text;
}

// No exception may unwind through the system's frames that called in.
LRESULT CALLBACK TrayIcon::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Guarded(LRESULT{0}, [&] {
        auto* tray = WindowObject<TrayIcon>(window, msg, lParam);
        return tray ? tray->HandleMessage(window, msg, wParam, lParam) : DefWindowProcA(window, msg, wParam, lParam);
    });
}

LRESULT TrayIcon::HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kCallbackMessage) {
        // Version 4: the event in the low word, the anchor point in wParam.
        OnCallback(LOWORD(lParam), {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
        return 0;
    }
    if (msg == TaskbarCreatedMessage()) {
        Add();
        return 0;
    }
    switch (msg) {
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED: owner_.DisplaysChanged(); return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA) owner_.DisplaysChanged();
        return 0;
    default: return DefWindowProcA(window, msg, wParam, lParam);
    }
}

void TrayIcon::OnCallback(UINT event, POINT anchor) {
    switch (event) {
    case NIN_SELECT:
    case NIN_KEYSELECT: owner_.ShowAllWidgets(); break;
    case WM_CONTEXTMENU: ShowMenu(anchor); break;
    default: break;
    }
}

// The menu's owner comes to the foreground first, so that a click elsewhere
// closes the menu; the message after it lets the shell see the menu end.
void TrayIcon::ShowMenu(POINT anchor) {
    UniqueMenu menu(owner_.TrayMenu());
    if (!menu) return;
    SetForegroundWindow(window_.get());
    const int command = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, anchor.x, anchor.y,
                                       0, window_.get(), nullptr);
    PostMessageA(window_.get(), WM_NULL, 0, 0);
    if (command) owner_.TrayCommand(command);
}

}  // namespace host
