#include "rig/module_call_log.h"

#include "rig/import_patch.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <string>

namespace rig {
namespace {

decltype(&CoUninitialize) g_coUninitialize = nullptr;
decltype(&SetTimer) g_setTimer = nullptr;

void WINAPI LoggedCoUninitialize() {
    sim::Player::Get().calls().Record("CoUninitialize", std::to_wstring(sim::OutstandingReferences()));
    g_coUninitialize();
}

UINT_PTR WINAPI LoggedSetTimer(HWND window, UINT_PTR id, UINT periodMs, TIMERPROC procedure) {
    sim::Player::Get().calls().Record("SetTimer", std::to_wstring(id) + L" " + std::to_wstring(periodMs));
    return g_setTimer(window, id, periodMs, procedure);
}

template <class Function>
Function Patch(const char* dll, const char* name, Function replacement) {
    return reinterpret_cast<Function>(PatchImport(TheModule().handle, dll, name, reinterpret_cast<void*>(replacement)));
}

}  // namespace

ModuleCallLog::ModuleCallLog() {
    g_coUninitialize = Patch("ole32.dll", "CoUninitialize", &LoggedCoUninitialize);
    g_setTimer = Patch("user32.dll", "SetTimer", &LoggedSetTimer);
}

ModuleCallLog::~ModuleCallLog() {
    if (g_coUninitialize) Patch("ole32.dll", "CoUninitialize", g_coUninitialize);
    if (g_setTimer) Patch("user32.dll", "SetTimer", g_setTimer);
}

}  // namespace rig
