// The call stack of another thread of this process, printed with function
// names and source lines where the modules carry them, so that a case that
// hangs or runs slow names its place.
#pragma once

#include <windows.h>

namespace rig {

// A handle to the calling thread that other threads can use; the caller closes it.
HANDLE CurrentThreadHandle();

// Stops the thread for a moment, prints its stack to stdout, lets it go on.
void PrintStackOf(HANDLE thread);

}  // namespace rig
