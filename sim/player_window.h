// The player's main window, of class "iTunes": the sign that it runs, and a
// small face of the player (what plays, the transport, the volume, the library).
#pragma once

#include <windows.h>

namespace sim {

// Null if the window could not be made. Each window has the procedure given,
// so the players of one process (the simulated one, the bridge) share the class.
HWND CreatePlayerWindow(const wchar_t* title, bool visible, WNDPROC procedure);

// The simulated player's window: its face, and the player's end when it closes.
LRESULT CALLBACK SimulatedPlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace sim
