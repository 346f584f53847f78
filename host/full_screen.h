// Whether a full-screen program (a game, a video, a presentation) holds a monitor.
#pragma once

#include <windows.h>

namespace host {

// The foreground window covers the whole monitor, and is neither the desktop
// nor the window `except` (one of the host's).
bool FullScreenProgramOn(HMONITOR monitor, HWND except = nullptr);

}  // namespace host
