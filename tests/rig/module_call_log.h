// The module's own COM teardown and timer starts, noted in the simulated
// player's call log among the calls that reached the player, so that a test
// reads their order.
#pragma once

namespace rig {

// While it lives, the loaded module's CoUninitialize is logged as
// "CoUninitialize" with the references then still held on the player's
// objects, and its SetTimer as "SetTimer" with the id and the period.
class ModuleCallLog {
public:
    ModuleCallLog();
    ~ModuleCallLog();
    ModuleCallLog(const ModuleCallLog&) = delete;
    ModuleCallLog& operator=(const ModuleCallLog&) = delete;
};

}  // namespace rig
