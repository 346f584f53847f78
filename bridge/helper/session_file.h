// The session file tells a client of this user where the helper listens and
// the token it must present.
#pragma once

#include <cstdint>
#include <string>

namespace bridge::helper {

// 64 lowercase hex characters from the kernel's random source.
std::string MakeToken();

// $XDG_RUNTIME_DIR/quillbracket/bridge, else $HOME/.cache/quillbracket/bridge;
// empty when neither is set.
std::string DefaultSessionPath();

// Writes the file (mode 0600, in a directory of this user's alone) on
// construction and removes it on destruction, unless another helper has
// replaced it since. Throws std::runtime_error when it cannot be written.
class SessionFile {
public:
    SessionFile(std::string path, std::uint16_t port, const std::string& token);
    ~SessionFile();
    SessionFile(const SessionFile&) = delete;
    SessionFile& operator=(const SessionFile&) = delete;

private:
    std::string path_;
    std::string contents_;
};

}  // namespace bridge::helper
