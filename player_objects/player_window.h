// The player's main window, of class "iTunes": while it exists the player
// runs, as far as the module can tell. Shared by the players of one process
// (the simulated one, the bridge), each with a procedure of its own.
#pragma once

#include <windows.h>

namespace player_objects {

// Made hidden and given the procedure before it shows; null if it could not be made.
HWND CreatePlayerWindow(const wchar_t* title, bool visible, WNDPROC procedure);

}  // namespace player_objects
