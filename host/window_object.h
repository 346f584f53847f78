// The host's windows: their classes, registered in this program, and the
// object behind each window: `this` handed to CreateWindowEx is kept at
// WM_NCCREATE and let go at WM_NCDESTROY.
#pragma once

#include <windows.h>

namespace host {

// Registers a window class of this program; registering it again does nothing.
inline ATOM RegisterWindowClass(const char* name, WNDPROC procedure, HCURSOR cursor = nullptr) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

// The object for this message; null before WM_NCCREATE and from WM_NCDESTROY on.
template <class Object>
Object* WindowObject(HWND window, UINT msg, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return nullptr;
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace host
