#include "bridge/windows/wine_paths.h"

#include "platform/win_owners.h"
#include "platform/call_if_present.h"

namespace bridge::windows {
namespace {

// Wine's kernel32 exports these; they return blocks of the process heap.
using ToUnix = char*(CDECL*)(const wchar_t* windowsPath);
using ToWindows = wchar_t*(CDECL*)(const char* unixPath);

template <class Function>
Function WineFunction(const char* name) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, name))) : nullptr;
}

}  // namespace

std::optional<std::string> UnixPathOf(const std::wstring& windowsPath) {
    static const ToUnix toUnix = WineFunction<ToUnix>("wine_get_unix_file_name");
    UniqueHeapBlock<char> path(CallIfPresent(toUnix, windowsPath.c_str()));
    if (!path) return std::nullopt;
    return std::string(path.get());
}

std::optional<std::wstring> WindowsPathOf(const std::string& unixPath) {
    static const ToWindows toWindows = WineFunction<ToWindows>("wine_get_dos_file_name");
    UniqueHeapBlock<wchar_t> path(CallIfPresent(toWindows, unixPath.c_str()));
    if (!path) return std::nullopt;
    return std::wstring(path.get());
}

}  // namespace bridge::windows
