#include "host/full_screen.h"

#include <cstring>

namespace host {
namespace {

// The desktop's own windows cover the monitor too.
bool IsDesktop(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return window == GetDesktopWindow() || window == GetShellWindow() || std::strcmp(name, "Progman") == 0 ||
           std::strcmp(name, "WorkerW") == 0;
}

}  // namespace

HMONITOR FullScreenProgramMonitor(bool (*isOurs)(HWND)) {
    const HWND foreground = GetForegroundWindow();
    if (!foreground || isOurs(foreground) || IsDesktop(foreground) || !IsWindowVisible(foreground)) return nullptr;
    const HMONITOR monitor = MonitorFromWindow(foreground, MONITOR_DEFAULTTONULL);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    RECT bounds = {};
    if (!monitor || !GetMonitorInfoA(monitor, &info) || !GetWindowRect(foreground, &bounds)) return nullptr;
    const bool whole = bounds.left <= info.rcMonitor.left && bounds.top <= info.rcMonitor.top &&
                       bounds.right >= info.rcMonitor.right && bounds.bottom >= info.rcMonitor.bottom;
    return whole ? monitor : nullptr;
}

}  // namespace host
