// A child control of the player's window, in the system's dialog font.
#pragma once

#include <windows.h>

namespace sim {

HWND FaceControl(HWND parent, const wchar_t* windowClass, DWORD style, WORD id, const wchar_t* text = L"",
                 DWORD extendedStyle = 0);

}  // namespace sim
