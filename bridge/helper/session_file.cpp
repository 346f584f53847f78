#include "session_file.h"

#include "owners.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace bridge::helper {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

// Creates missing directories 0700. The last one must be this user's and
// 0700: whoever else can list or rename in it could read the token or put one of their own there.
void EnsurePrivateDirectory(const std::string& dir) {
    for (std::size_t slash = dir.find('/', 1); ; slash = dir.find('/', slash + 1)) {
        std::string part = dir.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) Fail("cannot create", part);
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    if (lstat(dir.c_str(), &info) != 0) Fail("cannot inspect", dir);
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid() || (info.st_mode & 07777) != 0700)
        throw std::runtime_error("the session file's folder " + dir +
                                 " must be a folder of this user's with mode 0700 (chmod 700 it, or give another)");
}

void WriteAll(int fd, const std::string& text, const std::string& path) {
    for (std::size_t done = 0; done < text.size();) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail("cannot write", path);
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::string MakeToken() {
    unsigned char bytes[32];
    for (std::size_t done = 0; done < sizeof bytes;) {
        ssize_t n = getrandom(bytes + done, sizeof bytes - done, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail("cannot read", "random bytes");
        done += static_cast<std::size_t>(n);
    }
    static const char kHex[] = "0123456789abcdef";
    std::string token;
    for (unsigned char b : bytes) {
        token += kHex[b >> 4];
        token += kHex[b & 15];
    }
    return token;
}

std::string DefaultSessionPath() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/quillbracket/bridge";
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.cache/quillbracket/bridge";
    return {};
}

SessionFile::SessionFile(std::string path, std::uint16_t port, const std::string& token)
    : path_(std::move(path)), contents_("port=" + std::to_string(port) + "\ntoken=" + token + "\n") {
    std::size_t slash = path_.rfind('/');
    if (path_.empty() || path_[0] != '/' || slash == path_.size() - 1) {
        errno = EINVAL;
        Fail("not an absolute file path:", path_);
    }
    if (slash > 0) EnsurePrivateDirectory(path_.substr(0, slash));
    // Written aside and renamed over, so a reader never sees half a file.
    std::string temp = path_ + ".XXXXXX";
    FdOwner fd(mkostemp(temp.data(), O_CLOEXEC));
    if (!fd) Fail("cannot create", temp);
    try {
        if (fchmod(fd.get(), 0600) != 0) Fail("cannot restrict", temp);
        WriteAll(fd.get(), contents_, temp);
        if (rename(temp.c_str(), path_.c_str()) != 0) Fail("cannot rename to", path_);
    } catch (...) {
        unlink(temp.c_str());
        throw;
    }
}

SessionFile::~SessionFile() {
    std::ifstream file(path_);
    std::stringstream now;
    now << file.rdbuf();
    if (now.str() == contents_) unlink(path_.c_str());
}

}  // namespace bridge::helper
