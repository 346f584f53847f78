#include "host/monitors.h"

#include <algorithm>

namespace host {
namespace {

constexpr UINT kBaseDpi = 96;

RECT WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return info.rcWork;
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, RECT*, LPARAM data) {
    reinterpret_cast<std::vector<RECT>*>(data)->push_back(WorkAreaOf(monitor));
    return TRUE;
}

// Systems before the per-monitor scale have one scale for all monitors.
UINT DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

NamedMonitor NamedMonitorOf(HMONITOR monitor) {
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return {info.szDevice, info.rcMonitor};
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, RECT*, LPARAM data) {
    reinterpret_cast<std::vector<NamedMonitor>*>(data)->push_back(NamedMonitorOf(monitor));
    return TRUE;
}

}  // namespace

std::vector<NamedMonitor> Monitors() {
    std::vector<NamedMonitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

NamedMonitor MonitorAt(POINT point) { return NamedMonitorOf(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST)); }

std::vector<RECT> WorkAreas() {
    std::vector<RECT> areas;
    EnumDisplayMonitors(nullptr, nullptr, &CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    if (areas.empty()) areas.push_back(PrimaryWorkArea());
    return areas;
}

RECT PrimaryWorkArea() { return WorkAreaOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

int WholeScaleOf(HWND window, int maxScale) {
    return std::clamp(static_cast<int>(DpiOf(window) / kBaseDpi), 1, maxScale);
}

}  // namespace host
