// The host's "Desklet" functions, resolved by name when the module loads.
// Every call goes through CallIfPresent: a function the host lacks does
// nothing and yields 0.
#pragma once

#include "platform/call_if_present.h"
#include "platform/host_contract.h"

// The table, filled before any entry point can run.
const HostFunctions& Host();
