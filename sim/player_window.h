// A main window of the player's class, "iTunes": the sign that a player runs.
#pragma once

#include <windows.h>

namespace sim {

// Null if the window could not be made. Each window has the procedure given,
// so the players of one process (the simulated one, the bridge) share the class.
HWND CreatePlayerWindow(const wchar_t* title, bool visible, WNDPROC procedure);

}  // namespace sim
