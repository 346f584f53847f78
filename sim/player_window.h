// The player's main window, of class "iTunes": the sign that it runs, and a
// small face of the player (what plays, the transport, the volume, the library).
#pragma once

#include <windows.h>

namespace sim {

// Null if the window could not be made. Destroying it quits the player.
HWND CreatePlayerWindow(bool visible);

}  // namespace sim
