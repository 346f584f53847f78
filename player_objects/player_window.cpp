#include "player_objects/player_window.h"

namespace player_objects {
namespace {

constexpr wchar_t kClassName[] = L"iTunes";

bool RegisterPlayerClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreatePlayerWindow(const wchar_t* title, bool visible, WNDPROC procedure) {
    static const bool registered = RegisterPlayerClass();
    if (!registered) return nullptr;
    // The class's procedure is the default one: each player's is set before
    // the window can show, and a player's face is built when it first shows.
    HWND window = CreateWindowExW(0, kClassName, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 420,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    if (visible) ShowWindow(window, SW_SHOW);
    return window;
}

}  // namespace player_objects
