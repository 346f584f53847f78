// The system headers nearly every source file includes, parsed once per build
// instead of once per file. The standard library's stay out: with them
// precompiled, GCC reports its own inlined string code as ours.
#pragma once

// The sockets header must come before windows.h, which would bring the old one.
#include <winsock2.h>
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <commctrl.h>
#include <wrl/client.h>
