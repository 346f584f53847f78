// Makes one allocation of a loaded module fail, by standing in for the C
// library's allocators the module imports: the n-th allocation counted from
// the moment it is armed answers "no memory", every other one is served.
#pragma once

#include <windows.h>

namespace rig {

class FailingAllocations {
public:
    // Stands in for the module's allocators (once per module; never undone).
    explicit FailingAllocations(HMODULE module);
    ~FailingAllocations() { Disarm(); }
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;

    // Counts allocations from now; the nth (from 1) fails.
    void Arm(long nth);
    void Disarm();
    // Allocations asked for since armed, and whether the one set to fail came.
    long Counted() const;
    bool Failed() const { return Counted() >= nth_; }

private:
    long nth_ = 0;
};

}  // namespace rig
