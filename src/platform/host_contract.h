// The binary contract between the widget module and its host: the module's
// entry points and the host functions the module looks up by name. Each side
// is one list of X(name, result, parameters); the declarations and every
// table of them (the module's view of the host, the host's view of the
// module, the test host's) are made from those lists, so none can drift.
#pragma once

#include <objidl.h>
#include <prsht.h>
#include <windows.h>

#include "platform/contract_lists.h"

namespace Gdiplus {
class Image;
}

#define QB_CONTRACT_DECLARATION(name, result, parameters) result __stdcall name parameters;
extern "C" {
QB_MODULE_ENTRY_POINTS(QB_CONTRACT_DECLARATION)
QB_HOST_FUNCTIONS(QB_CONTRACT_DECLARATION)
}
#undef QB_CONTRACT_DECLARATION

// One slot per function, typed as its declaration and named after it; null
// when the other side lacks it.
#define QB_CONTRACT_SLOT(name, result, parameters) decltype(&::name) name = nullptr;
struct ModuleEntryPoints {
    QB_MODULE_ENTRY_POINTS(QB_CONTRACT_SLOT)
};
struct HostFunctions {
    QB_HOST_FUNCTIONS(QB_CONTRACT_SLOT)
};
#undef QB_CONTRACT_SLOT

template <class Function>
void ResolveContractSlot(HMODULE module, Function& slot, const char* name) {
    slot = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

#define QB_RESOLVE_SLOT(name, result, parameters) ResolveContractSlot(module, table.name, #name);
// The module's entry points, found by name in the loaded module.
inline ModuleEntryPoints ResolveModuleEntryPoints(HMODULE module) {
    ModuleEntryPoints table;
    QB_MODULE_ENTRY_POINTS(QB_RESOLVE_SLOT)
    return table;
}
// The host's functions, found by name in the host's program.
inline HostFunctions ResolveHostFunctions(HMODULE module) {
    HostFunctions table;
    QB_HOST_FUNCTIONS(QB_RESOLVE_SLOT)
    return table;
}
#undef QB_RESOLVE_SLOT
