#include "rig/bstr_count.h"

#include "rig/import_patch.h"

#include <oleauto.h>

#include <map>

namespace rig {
namespace {

enum class Maker { Player, Module };

std::map<BSTR, Maker>& Live() {
    static std::map<BSTR, Maker> live;
    return live;
}
unsigned long long g_playerBytes = 0;
HMODULE g_program = nullptr;

using AllocLen = BSTR(WINAPI*)(const OLECHAR*, UINT);
using Alloc = BSTR(WINAPI*)(const OLECHAR*);
using Free = void(WINAPI*)(BSTR);
AllocLen g_allocLen = nullptr;
Alloc g_alloc = nullptr;
Free g_free = nullptr;

void Note(BSTR text, Maker maker) {
    if (!text) return;
    Live()[text] = maker;
    if (maker == Maker::Player) g_playerBytes += SysStringByteLen(text);
}

template <Maker maker>
BSTR WINAPI CountedAllocLen(const OLECHAR* text, UINT length) {
    BSTR made = g_allocLen(text, length);
    Note(made, maker);
    return made;
}

template <Maker maker>
BSTR WINAPI CountedAlloc(const OLECHAR* text) {
    BSTR made = g_alloc(text);
    Note(made, maker);
    return made;
}

void WINAPI CountedFree(BSTR text) {
    if (text) Live().erase(text);
    g_free(text);
}

template <Maker maker>
void Watch(HMODULE module) {
    if (void* original = PatchImport(module, "oleaut32.dll", "SysAllocStringLen",
                                     reinterpret_cast<void*>(&CountedAllocLen<maker>)))
        g_allocLen = reinterpret_cast<AllocLen>(original);
    if (void* original =
            PatchImport(module, "oleaut32.dll", "SysAllocString", reinterpret_cast<void*>(&CountedAlloc<maker>)))
        g_alloc = reinterpret_cast<Alloc>(original);
    if (void* original =
            PatchImport(module, "oleaut32.dll", "SysFreeString", reinterpret_cast<void*>(&CountedFree)))
        g_free = reinterpret_cast<Free>(original);
}

long CountOf(Maker maker) {
    long count = 0;
    for (const auto& entry : Live())
        if (entry.second == maker) ++count;
    return count;
}

}  // namespace

void CountBstrsOf(HMODULE module) {
    // The originals are looked up directly, so a slot the program never imports still works.
    HMODULE oleaut = GetModuleHandleA("oleaut32.dll");
    g_allocLen = reinterpret_cast<AllocLen>(reinterpret_cast<void*>(GetProcAddress(oleaut, "SysAllocStringLen")));
    g_alloc = reinterpret_cast<Alloc>(reinterpret_cast<void*>(GetProcAddress(oleaut, "SysAllocString")));
    g_free = reinterpret_cast<Free>(reinterpret_cast<void*>(GetProcAddress(oleaut, "SysFreeString")));
    if (!g_program) {
        g_program = GetModuleHandleA(nullptr);
        Watch<Maker::Player>(g_program);
    }
    if (module != g_program) Watch<Maker::Module>(module);
}

long PlayerBstrsOutstanding() { return CountOf(Maker::Player); }
long ModuleBstrsOutstanding() { return CountOf(Maker::Module); }
unsigned long long PlayerBstrBytes() { return g_playerBytes; }

}  // namespace rig
