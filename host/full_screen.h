// Whether a full-screen program (a game, a video, a presentation) holds a monitor.
#pragma once

#include <windows.h>

namespace host {

// The monitor the foreground window covers whole, when it is neither the
// desktop nor one of `isOurs`'s windows; null when there is none. One look at
// the foreground serves every widget, since the monitor calls cost.
HMONITOR FullScreenProgramMonitor(bool (*isOurs)(HWND));

}  // namespace host
