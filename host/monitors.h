// The displays as the host places widgets on them: each monitor's work area
// (the screen less the taskbar) and its scale.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

// A monitor by the name the system gives it, and where it stands now.
struct NamedMonitor {
    std::string name;
    RECT bounds;
};
std::vector<NamedMonitor> Monitors();
// The monitor a point lies on, else the nearest.
NamedMonitor MonitorAt(POINT point);

std::vector<RECT> WorkAreas();
RECT PrimaryWorkArea();
// The largest whole multiple not above the scale of the window's monitor:
// 150 % gives 1, 200 % gives 2. At most maxScale.
int WholeScaleOf(HWND window, int maxScale);

}  // namespace host
