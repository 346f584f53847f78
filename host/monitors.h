// The displays as the host places widgets on them: each monitor's work area
// (the screen less the taskbar) and its scale.
#pragma once

#include <windows.h>

#include <vector>

namespace host {

std::vector<RECT> WorkAreas();
RECT PrimaryWorkArea();
// The largest whole multiple not above the scale of the window's monitor:
// 150 % gives 1, 200 % gives 2. At most maxScale.
int WholeScaleOf(HWND window, int maxScale);

}  // namespace host
