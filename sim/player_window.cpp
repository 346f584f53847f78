#include "sim/player_window.h"

#include "sim/player.h"

namespace sim {
namespace {

constexpr wchar_t kClassName[] = L"iTunes";

LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        Player::Get().OnWindowDestroyed();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterPlayerClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = PlayerWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreatePlayerWindow(bool visible) {
    static const bool registered = RegisterPlayerClass();
    if (!registered) return nullptr;
    DWORD style = WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0);
    return CreateWindowExW(0, kClassName, L"Simulated player", style, CW_USEDEFAULT, CW_USEDEFAULT, 480, 320,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace sim
