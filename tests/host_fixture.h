// Shared set-up of the standalone host's tests: the module in the work
// folder, a fresh settings file, and the pointer as a hand moves it.
#pragma once

#include "host/host_app.h"
#include "rig/rig.h"

#include <string>

namespace host_test {

// A widget's owner that asks nothing of a host: for a widget window on its own.
struct NoOwner final : host::WidgetOwner {
    void RequestRemove(HWND) override {}
    void RequestExit() override {}
    void SaveAll() override {}
};

inline std::string ModulePath() {
    rig::TheModule();  // puts the module into the work folder
    return rig::WorkFolder() + "Quillbracket.dll";
}

inline std::string FreshConfig() {
    const std::string path = rig::WorkFolder() + "quillhost.ini";
    DeleteFileA(path.c_str());
    return path;
}

inline std::string Read(const std::string& file, const std::string& group, const char* key) {
    char buffer[256] = {};
    GetPrivateProfileStringA(group.c_str(), key, "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

inline void Send(const host::WidgetWindow& widget, UINT msg, WPARAM keys, POINT client) {
    SendMessageA(widget.window(), msg, keys, MAKELPARAM(client.x, client.y));
}

// The pointer comes onto the widget, presses and moves by (dx, 0) in small steps, as a hand would.
inline void Drag(const host::WidgetWindow& widget, int dx, WPARAM keys = 0) {
    const POINT origin = widget.Position();
    const POINT grip = {40, 20};
    SetCursorPos(origin.x + grip.x, origin.y + grip.y);
    Send(widget, WM_MOUSEMOVE, keys, grip);
    Send(widget, WM_LBUTTONDOWN, keys | MK_LBUTTON, grip);
    for (int moved = 5; moved <= dx; moved += 5) {
        SetCursorPos(origin.x + grip.x + moved, origin.y + grip.y);
        Send(widget, WM_MOUSEMOVE, keys | MK_LBUTTON, grip);  // the widget follows the pointer
    }
    Send(widget, WM_LBUTTONUP, keys, grip);
}

inline void MoveTo(host::WidgetWindow& widget, LONG x, LONG y) {
    const SIZE size = widget.Size();
    RECT bounds = {x, y, x + size.cx, y + size.cy};
    widget.Move(bounds, false);
}

}  // namespace host_test
