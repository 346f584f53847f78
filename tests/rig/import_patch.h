// Redirects one function a module imports from a DLL, by rewriting the
// module's import address table in memory.
#pragma once

#include <windows.h>

namespace rig {

// Points the module's import of dll!name at `replacement`; returns the
// address it held before, or null if the module does not import it.
void* PatchImport(HMODULE module, const char* dll, const char* name, void* replacement);

}  // namespace rig
