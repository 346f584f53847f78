#include "bridge/windows/session_reader.h"

#include "bridge/windows/wine_paths.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace bridge::windows {
namespace {

// The helper writes two short lines; anything longer is not its file.
constexpr std::size_t kMaxSessionFileBytes = 4096;
constexpr std::size_t kMaxTokenLength = 256;

std::optional<std::uint16_t> ParsePort(const std::string& text) {
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

// The token goes into the greeting line as it is: hex digits only.
bool PlausibleToken(const std::string& token) {
    return !token.empty() && token.size() <= kMaxTokenLength &&
           std::all_of(token.begin(), token.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

std::optional<SessionInfo> ReadSessionFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return std::nullopt;
    std::string text(kMaxSessionFileBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (text.size() > kMaxSessionFileBytes) return std::nullopt;

    std::optional<std::uint16_t> port;
    SessionInfo session;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        if (line.rfind("port=", 0) == 0) port = ParsePort(line.substr(5));
        if (line.rfind("token=", 0) == 0) session.token = line.substr(6);
        start = end + 1;
    }
    if (!port || !PlausibleToken(session.token)) return std::nullopt;
    session.port = *port;
    return session;
}

std::wstring DefaultSessionPath() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return SessionPathAsGiven(std::string(runtime) + "/quillbracket/bridge");
    // Wine keeps the Unix home out of HOME, but names it, as an NT path, here.
    if (const char* home = std::getenv("WINEHOMEDIR"); home && *home) {
        std::wstring path = SessionPathAsGiven(home);
        if (path.rfind(L"\\??\\", 0) == 0) path.erase(0, 4);
        return path.empty() ? path : path + L"\\.cache\\quillbracket\\bridge";
    }
    return {};
}

std::wstring SessionPathAsGiven(const std::string& path) {
    if (!path.empty() && path[0] == '/') return WindowsPathOf(path).value_or(std::wstring());
    const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

std::wstring SessionPathFor(const std::string& given) {
    if (!given.empty()) return SessionPathAsGiven(given);
    if (const char* named = std::getenv("QB_BRIDGE_SESSION"); named && *named) return SessionPathAsGiven(named);
    return DefaultSessionPath();
}

}  // namespace bridge::windows
