// The simulated player's face in its main window (what plays, the transport,
// the volume, the library); the window itself is player_objects' one.
#pragma once

#include <windows.h>

namespace sim {

// The simulated player's window: its face, and the player's end when it closes.
LRESULT CALLBACK SimulatedPlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace sim
