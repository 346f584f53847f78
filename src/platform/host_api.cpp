#include "platform/host_api.h"

namespace {

// Static initialisation runs when the host loads the module, before any entry point.
const HostFunctions g_host = ResolveHostFunctions(GetModuleHandleA(nullptr));

}  // namespace

const HostFunctions& Host() { return g_host; }
