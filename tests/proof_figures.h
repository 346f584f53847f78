// What a long-running host can watch of the widget module: the process's
// private memory, the GDI+ objects the program and the module created and not
// deleted, the player references held and the automation strings not freed.
// Measured before and after a run; growth is the verdict.
//
// Private bytes are the committed private pages of the address space, summed
// with VirtualQuery: Wine reports no PrivateUsage and no GDI or USER handle
// counts (GetGuiResources answers 0). The module imports nothing from gdi32,
// so the GDI objects it can cause are those of GDI+, which are counted.
#pragma once

#include "rig/gdiplus_count.h"
#include "rig/bstr_count.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <windows.h>

#include <cstdio>

namespace proof {

struct Figures {
    long long privateBytes = 0;
    long gdiplusObjects = 0;
    long playerReferences = 0;
    long playerBstrs = 0;
    long moduleBstrs = 0;
};

// Starts the counting of GDI+ objects and strings; once per program, after the module is loaded.
inline void WatchModule() {
    static const bool watched = [] {
        CountGdiplusObjectsOf(GetModuleHandleA(nullptr));
        CountGdiplusObjectsOf(rig::TheModule().handle);
        rig::CountBstrsOf(rig::TheModule().handle);
        return true;
    }();
    (void)watched;
}

inline long long PrivateBytes() {
    long long total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr; VirtualQuery(address, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += static_cast<long long>(region.RegionSize);
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total;
}

inline Figures Measure() {
    Figures figures;
    figures.privateBytes = PrivateBytes();
    figures.gdiplusObjects = GdiplusObjectsAlive();
    figures.playerReferences = sim::OutstandingReferences();
    figures.playerBstrs = rig::PlayerBstrsOutstanding();
    figures.moduleBstrs = rig::ModuleBstrsOutstanding();
    return figures;
}

inline void Print(const char* what, const Figures& start, const Figures& end) {
    std::printf("  %s\n", what);
    std::printf("    private bytes       %12lld -> %12lld  (%+lld KiB)\n", start.privateBytes, end.privateBytes,
                (end.privateBytes - start.privateBytes) / 1024);
    std::printf("    GDI+ objects alive  %12ld -> %12ld\n", start.gdiplusObjects, end.gdiplusObjects);
    std::printf("    player references   %12ld -> %12ld\n", start.playerReferences, end.playerReferences);
    std::printf("    player BSTRs out    %12ld -> %12ld\n", start.playerBstrs, end.playerBstrs);
    std::printf("    module BSTRs out    %12ld -> %12ld\n", start.moduleBstrs, end.moduleBstrs);
    std::fflush(stdout);
}

// Every GDI+ object, player reference and string handed out since the start
// has been given back.
inline void CheckAllGivenBack(const Figures& start, const Figures& end) {
    CHECK_EQ(end.gdiplusObjects, start.gdiplusObjects);
    CHECK_EQ(end.playerReferences, start.playerReferences);
    CHECK_EQ(end.playerBstrs, start.playerBstrs);
    CHECK_EQ(end.moduleBstrs, start.moduleBstrs);
}

// Growth beyond the allowance for what the system itself caches (heap
// fragments, font and image decoder caches) fails the run.
inline void CheckNoGrowth(const Figures& start, const Figures& end, long long allowedBytes) {
    CHECK(end.privateBytes - start.privateBytes <= allowedBytes);
    CheckAllGivenBack(start, end);
}

}  // namespace proof
