// The widget module loaded into the host, with its entry points. A module
// that lacks an entry point still loads: the host skips what is missing.
#pragma once

#include "platform/call_if_present.h"
#include "platform/host_contract.h"
#include "platform/win_owners.h"

#include <string>

namespace host {

class ModuleLibrary {
public:
    // Loads the module file; loaded() tells whether it worked.
    explicit ModuleLibrary(const std::string& path);

    bool loaded() const { return static_cast<bool>(library_); }
    HINSTANCE handle() const { return library_.get(); }
    const ModuleEntryPoints& entry() const { return entry_; }
    // Folder of the module file, ending in '\'.
    const std::string& folder() const { return folder_; }

private:
    UniqueLibrary library_;
    ModuleEntryPoints entry_;
    std::string folder_;
};

// Absolute form of a path; the path itself when that fails.
std::string FullPath(const std::string& path);

}  // namespace host
