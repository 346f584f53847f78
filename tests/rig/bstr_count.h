// Accounts for automation strings across the module boundary. The player's
// strings are made in this program (SysAllocStringLen of its imports) and
// must be freed by whoever receives them; the module's own strings must be
// freed by the module. Both are watched at the import tables of this program
// and of the module, so the count holds whatever the string cache of the
// system library does.
#pragma once

#include <windows.h>

namespace rig {

// Starts watching this program's and the module's string imports; once per module.
void CountBstrsOf(HMODULE module);

// Strings made by this program (the player's answers) and not yet freed.
long PlayerBstrsOutstanding();
// Strings made by the watched module and not yet freed.
long ModuleBstrsOutstanding();
// Bytes the player handed out so far, for scale.
unsigned long long PlayerBstrBytes();

}  // namespace rig
