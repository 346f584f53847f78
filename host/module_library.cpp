#include "host/module_library.h"

namespace host {
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

    entry_ = ResolveModuleEntryPoints(library_.get());
}

}  // namespace host
