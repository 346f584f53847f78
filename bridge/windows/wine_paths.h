// Paths across Wine's two sides, converted by Wine itself: the Windows paths
// the module hands over for the Unix player, and the helper's Unix paths for
// the host to open. Outside Wine there is no other side and both fail.
#pragma once

#include <optional>
#include <string>

namespace bridge::windows {

// "Z:\home\me\song.flac" -> "/home/me/song.flac" (in the system's Unix encoding, UTF-8).
std::optional<std::string> UnixPathOf(const std::wstring& windowsPath);
// "/run/user/1000/quillbracket/bridge" -> a path the Windows side opens.
std::optional<std::wstring> WindowsPathOf(const std::string& unixPath);

}  // namespace bridge::windows
