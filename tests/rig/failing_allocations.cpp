#include "rig/failing_allocations.h"

#include "rig/import_patch.h"

#include <cerrno>
#include <cstdlib>

namespace rig {
namespace {

using Malloc = void*(__cdecl*)(size_t);
using Calloc = void*(__cdecl*)(size_t, size_t);
using Realloc = void*(__cdecl*)(void*, size_t);

Malloc g_malloc = &std::malloc;
Calloc g_calloc = &std::calloc;
Realloc g_realloc = &std::realloc;
bool g_armed = false;
long g_counted = 0;
long g_failAt = 0;

// One more allocation: false when it is the one that fails.
bool Serve() {
    if (!g_armed) return true;
    if (++g_counted != g_failAt) return true;
    errno = ENOMEM;
    return false;
}

void* __cdecl FailingMalloc(size_t size) { return Serve() ? g_malloc(size) : nullptr; }
void* __cdecl FailingCalloc(size_t count, size_t size) { return Serve() ? g_calloc(count, size) : nullptr; }
void* __cdecl FailingRealloc(void* block, size_t size) { return Serve() ? g_realloc(block, size) : nullptr; }

template <class Function>
void StandIn(HMODULE module, const char* name, Function replacement, Function& original) {
    void* previous = PatchImport(module, "msvcrt.dll", name, reinterpret_cast<void*>(replacement));
    // Standing in twice must not make the stand-in call itself.
    if (previous && previous != reinterpret_cast<void*>(replacement)) original = reinterpret_cast<Function>(previous);
}

}  // namespace

FailingAllocations::FailingAllocations(HMODULE module) {
    StandIn(module, "malloc", &FailingMalloc, g_malloc);
    StandIn(module, "calloc", &FailingCalloc, g_calloc);
    StandIn(module, "realloc", &FailingRealloc, g_realloc);
}

void FailingAllocations::Arm(long nth) {
    nth_ = nth;
    g_failAt = nth;
    g_counted = 0;
    g_armed = true;
}

void FailingAllocations::Disarm() { g_armed = false; }

long FailingAllocations::Counted() const { return g_counted; }

}  // namespace rig
