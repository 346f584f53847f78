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

bool FullScreenProgramOn(HMONITOR monitor, HWND except) {
    const HWND foreground = GetForegroundWindow();
    if (!foreground || foreground == except || IsDesktop(foreground) || !IsWindowVisible(foreground)) return false;
    if (MonitorFromWindow(foreground, MONITOR_DEFAULTTONULL) != monitor) return false;
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    RECT bounds = {};
    if (!GetMonitorInfoA(monitor, &info) || !GetWindowRect(foreground, &bounds)) return false;
    return bounds.left <= info.rcMonitor.left && bounds.top <= info.rcMonitor.top &&
           bounds.right >= info.rcMonitor.right && bounds.bottom >= info.rcMonitor.bottom;
}

}  // namespace host
