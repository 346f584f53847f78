#pragma once

#include <windows.h>
#include <unknwn.h>

namespace sim {

// The class object for the player's CLSID (process lifetime, no counting).
IClassFactory* PlayerClassFactory();

}  // namespace sim
