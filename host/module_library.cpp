#include "host/module_library.h"

namespace host {
namespace {

template <class Function>
void Resolve(HMODULE module, Function& slot, const char* name) {
    slot = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

ModuleLibrary::ModuleLibrary(const std::string& path) : library_(LoadLibraryA(FullPath(path).c_str())) {
    if (!library_) return;
    char buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(library_.get(), buffer, MAX_PATH);
    folder_.assign(buffer, length < MAX_PATH ? length : 0);
    folder_.resize(folder_.find_last_of("\\/") + 1);

    HMODULE module = library_.get();
    Resolve(module, entry_.create, "OnCreate");
    Resolve(module, entry_.destroy, "OnDestroy");
    Resolve(module, entry_.save, "OnSave");
    Resolve(module, entry_.getInformation, "OnGetInformation");
    Resolve(module, entry_.processMessage, "OnProcessMessage");
    Resolve(module, entry_.leftButtonClick, "OnLeftButtonClick");
    Resolve(module, entry_.rightButtonClick, "OnRightButtonClick");
    Resolve(module, entry_.mouseWheelForward, "OnMouseWheelForward");
    Resolve(module, entry_.mouseWheelBackward, "OnMouseWheelBackward");
    Resolve(module, entry_.mouseMove, "OnMouseMove");
    Resolve(module, entry_.mouseOn, "OnMouseOn");
    Resolve(module, entry_.mouseOut, "OnMouseOut");
    Resolve(module, entry_.dragEnter, "OnDragEnter");
    Resolve(module, entry_.dragLeave, "OnDragLeave");
    Resolve(module, entry_.drop, "OnDrop");
    Resolve(module, entry_.addPropertySheets, "OnAddPropertySheets");
}

}  // namespace host
