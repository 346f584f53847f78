// The smallest rectangle holding every pixel that differs between two frames
// of the same size: what a present has to send to the screen.
#pragma once

#include <windows.h>

#include <cstdint>

namespace host {

// False when the frames are the same.
bool ChangedArea(const uint32_t* now, const uint32_t* before, SIZE size, RECT& area);

}  // namespace host
