#include "rig/stack_dump.h"

#include <dbghelp.h>

#include <cstdio>
#include <mutex>

namespace rig {
namespace {

constexpr int kMaxFrames = 40;

// The registers a walk starts from, by architecture.
#if defined(_M_X64) || defined(__x86_64__)
constexpr DWORD kMachine = IMAGE_FILE_MACHINE_AMD64;
uintptr_t ProgramCounter(const CONTEXT& context) { return context.Rip; }
uintptr_t FramePointer(const CONTEXT& context) { return context.Rbp; }
uintptr_t StackPointer(const CONTEXT& context) { return context.Rsp; }
#else
constexpr DWORD kMachine = IMAGE_FILE_MACHINE_I386;
uintptr_t ProgramCounter(const CONTEXT& context) { return context.Eip; }
uintptr_t FramePointer(const CONTEXT& context) { return context.Ebp; }
uintptr_t StackPointer(const CONTEXT& context) { return context.Esp; }
#endif

void InitialiseSymbols(HANDLE process) {
    static std::once_flag once;
    std::call_once(once, [process] {
        SymSetOptions(SYMOPT_UNDNAME | SYMOPT_DEFERRED_LOADS | SYMOPT_LOAD_LINES);
        SymInitialize(process, nullptr, TRUE);
    });
}

void PrintFrame(HANDLE process, int index, DWORD64 address) {
    char moduleName[MAX_PATH] = "?";
    HMODULE module = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(address)), &module))
        GetModuleFileNameA(module, moduleName, MAX_PATH);
    const char* shortName = moduleName;
    for (const char* at = moduleName; *at; ++at)
        if (*at == '\\' || *at == '/') shortName = at + 1;

    char buffer[sizeof(SYMBOL_INFO) + 256] = {};
    auto* symbol = reinterpret_cast<SYMBOL_INFO*>(buffer);
    symbol->SizeOfStruct = sizeof(SYMBOL_INFO);
    symbol->MaxNameLen = 255;
    DWORD64 displacement = 0;
    IMAGEHLP_LINE64 line = {};
    line.SizeOfStruct = sizeof line;
    DWORD lineDisplacement = 0;
    if (!SymFromAddr(process, address, &displacement, symbol)) {
        std::printf("    #%-2d %s+0x%llx\n", index, shortName,
                    static_cast<unsigned long long>(address - reinterpret_cast<uintptr_t>(module)));
    } else if (SymGetLineFromAddr64(process, address, &lineDisplacement, &line)) {
        std::printf("    #%-2d %s  %s:%lu  (%s)\n", index, symbol->Name, line.FileName, line.LineNumber, shortName);
    } else {
        std::printf("    #%-2d %s+0x%llx  (%s)\n", index, symbol->Name, static_cast<unsigned long long>(displacement),
                    shortName);
    }
}

// Whether the address lies in the code of a loaded module.
bool InModuleCode(uintptr_t address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(address)), &module))
        return false;
    MEMORY_BASIC_INFORMATION region;
    return VirtualQuery(reinterpret_cast<LPCVOID>(static_cast<uintptr_t>(address)), &region, sizeof region) &&
           (region.Protect & (PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY));
}

// When the walk cannot unwind a system call's frames, the words on the stack
// that point into code show where the thread came from.
void ScanStack(HANDLE process, uintptr_t stackPointer) {
    MEMORY_BASIC_INFORMATION region;
    if (!VirtualQuery(reinterpret_cast<LPCVOID>(static_cast<uintptr_t>(stackPointer)), &region, sizeof region)) return;
    const auto* word = reinterpret_cast<const uintptr_t*>(stackPointer);
    const auto* end = reinterpret_cast<const uintptr_t*>(static_cast<const char*>(region.BaseAddress) + region.RegionSize);
    std::printf("    words on the stack that point into code:\n");
    for (int found = 0; word < end && found < kMaxFrames; ++word) {
        if (!InModuleCode(*word)) continue;
        PrintFrame(process, found++, *word);
    }
}

}  // namespace

HANDLE CurrentThreadHandle() {
    HANDLE thread = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &thread, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    return thread;
}

void PrintStackOf(HANDLE thread) {
    const HANDLE process = GetCurrentProcess();
    InitialiseSymbols(process);
    if (SuspendThread(thread) == static_cast<DWORD>(-1)) return;
    CONTEXT context = {};
    context.ContextFlags = CONTEXT_FULL;
    if (GetThreadContext(thread, &context)) {
        STACKFRAME64 frame = {};
        frame.AddrPC = {ProgramCounter(context), 0, AddrModeFlat};
        frame.AddrFrame = {FramePointer(context), 0, AddrModeFlat};
        frame.AddrStack = {StackPointer(context), 0, AddrModeFlat};
        const uintptr_t stackPointer = StackPointer(context);
        int frames = 0;
        for (; frames < kMaxFrames; ++frames) {
            if (!StackWalk64(kMachine, process, thread, &frame, &context, nullptr,
                             SymFunctionTableAccess64, SymGetModuleBase64, nullptr) ||
                frame.AddrPC.Offset == 0)
                break;
            PrintFrame(process, frames, frame.AddrPC.Offset);
        }
        if (frames < 4) ScanStack(process, stackPointer);
    }
    ResumeThread(thread);
    std::fflush(stdout);
}

}  // namespace rig
