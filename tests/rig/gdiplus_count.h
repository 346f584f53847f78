// Counts GDI+ objects alive in this process by watching the creating and
// deleting flat functions that a module imports from gdiplus.dll.
#pragma once

#include <windows.h>

// Redirects the module's gdiplus.dll imports of object creators and deleters
// through counters. Call once per module (the host program, the widget module).
void CountGdiplusObjectsOf(HMODULE module);

// Objects created through watched imports and not yet deleted.
long GdiplusObjectsAlive();
