#include "rig/gdiplus_count.h"

#include <gdiplus.h>

#include <cstring>

namespace {

long g_alive = 0;

// One counting stand-in per watched function, keeping the original's address.
template <int Id, int Change, class Function>
struct Counted;

template <int Id, int Change, class... Args>
struct Counted<Id, Change, Gdiplus::GpStatus(WINGDIPAPI*)(Args...)> {
    static inline Gdiplus::GpStatus(WINGDIPAPI* original)(Args...) = nullptr;
    static Gdiplus::GpStatus WINGDIPAPI Hook(Args... args) {
        const Gdiplus::GpStatus status = original(args...);
        if (status == Gdiplus::Ok) g_alive += Change;
        return status;
    }
};

struct Watched {
    const char* name;
    void** original;
    void* hook;
};

#define QB_WATCH(function, change)                                                                           \
    Watched {                                                                                                \
        #function,                                                                                           \
            reinterpret_cast<void**>(                                                                        \
                &Counted<__LINE__, change, decltype(&Gdiplus::DllExports::function)>::original),             \
            reinterpret_cast<void*>(&Counted<__LINE__, change, decltype(&Gdiplus::DllExports::function)>::Hook) \
    }

const Watched kWatched[] = {
    QB_WATCH(GdipCreateBitmapFromScan0, 1),   QB_WATCH(GdipCreateBitmapFromFile, 1),
    QB_WATCH(GdipCreateBitmapFromStream, 1),  QB_WATCH(GdipLoadImageFromFile, 1),
    QB_WATCH(GdipLoadImageFromStream, 1),     QB_WATCH(GdipCloneImage, 1),
    QB_WATCH(GdipCloneBitmapAreaI, 1),        QB_WATCH(GdipGetImageGraphicsContext, 1),
    QB_WATCH(GdipCreateFromHDC, 1),           QB_WATCH(GdipCreatePath, 1),
    QB_WATCH(GdipCreatePath2, 1),             QB_WATCH(GdipCreateSolidFill, 1),
    QB_WATCH(GdipCreatePen1, 1),
    QB_WATCH(GdipCreateFontFamilyFromName, 1), QB_WATCH(GdipCreateStringFormat, 1),
    QB_WATCH(GdipCreateImageAttributes, 1),   QB_WATCH(GdipCreateMatrix, 1),
    QB_WATCH(GdipCloneBrush, 1),              QB_WATCH(GdipCreateLineBrushI, 1),
    QB_WATCH(GdipCreateFont, 1),              QB_WATCH(GdipDeleteFont, -1),
    QB_WATCH(GdipDisposeImage, -1),           QB_WATCH(GdipDeleteGraphics, -1),
    QB_WATCH(GdipDeletePath, -1),             QB_WATCH(GdipDeleteBrush, -1),
    QB_WATCH(GdipDeletePen, -1),              QB_WATCH(GdipDeleteFontFamily, -1),
    QB_WATCH(GdipDeleteStringFormat, -1),     QB_WATCH(GdipDisposeImageAttributes, -1),
    QB_WATCH(GdipDeleteMatrix, -1),
};

const Watched* Find(const char* name) {
    for (const Watched& watched : kWatched)
        if (std::strcmp(watched.name, name) == 0) return &watched;
    return nullptr;
}

}  // namespace

void CountGdiplusObjectsOf(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); library->Name;
         ++library) {
        if (_stricmp(reinterpret_cast<const char*>(base + library->Name), "gdiplus.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            const Watched* watched = Find(reinterpret_cast<const char*>(byName->Name));
            if (!watched) continue;
            if (!*watched->original) *watched->original = reinterpret_cast<void*>(slots->u1.Function);
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            slots->u1.Function = reinterpret_cast<DWORD_PTR>(watched->hook);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
        }
    }
}

long GdiplusObjectsAlive() { return g_alive; }
