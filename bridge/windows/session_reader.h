// The Windows side's reading of the helper's session file (port and token),
// and where to find it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bridge::windows {

struct SessionInfo {
    std::uint16_t port = 0;
    std::string token;
};

// Empty when the file is missing, unreadable or not what the helper writes.
std::optional<SessionInfo> ReadSessionFile(const std::wstring& path);

// Where the helper writes it by default ($XDG_RUNTIME_DIR/quillbracket/bridge,
// else ~/.cache/quillbracket/bridge), as a Windows path; empty when neither is known.
std::wstring DefaultSessionPath();

// A path as the user gives it: a Unix one (from "/") is converted, a Windows one kept.
std::wstring SessionPathAsGiven(const std::string& path);
// The path given, else $QB_BRIDGE_SESSION, else the default.
std::wstring SessionPathFor(const std::string& given);

}  // namespace bridge::windows
