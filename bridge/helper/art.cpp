#include "art.h"

#include "owners.h"
#include "uri.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace bridge::helper {
namespace {

bool IsDownload(const std::string& url) {
    return url.compare(0, 7, "http://") == 0 || url.compare(0, 8, "https://") == 0;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t max_bytes) {
    // Non-blocking, so a FIFO put where the art should be cannot stall the open.
    FdOwner fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (!fd || fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    if (static_cast<std::uint64_t>(info.st_size) > max_bytes) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (true) {
        ssize_t n = read(fd.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        // The file may have grown since it was measured.
        if (bytes.size() + static_cast<std::size_t>(n) > max_bytes) return std::nullopt;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

ArtStore::ArtStore(sd_event* event, std::function<void()> settled)
    : fetcher_(event, wire::kMaxArtBytes, wire::kArtDownloadMs), settled_(std::move(settled)) {}

void ArtStore::Prefetch(const std::string& url) {
    if (IsDownload(url) && url != url_) Download(url);
}

ArtStore::Lookup ArtStore::Find(const std::string& url, std::string& bytes) {
    std::optional<std::string> found;
    if (auto path = FileUriPath(url)) {
        // Read each time: some players write every track's cover to the same file.
        found = ReadRegularFile(*path, wire::kMaxArtBytes);
    } else if (url.compare(0, 5, "data:") == 0) {
        found = DataUriBytes(url);
    } else if (IsDownload(url)) {
        if (url != url_) Download(url);
        if (state_ == Lookup::Ready) bytes = bytes_;
        return state_;
    }
    if (!found || found->empty() || found->size() > wire::kMaxArtBytes) return Lookup::None;
    bytes = std::move(*found);
    return Lookup::Ready;
}

void ArtStore::Download(const std::string& url) {
    url_ = url;
    bytes_.clear();
    state_ = Lookup::Pending;
    bool started = fetcher_.Start(url, [this](std::optional<std::string> body) {
        state_ = body && !body->empty() ? Lookup::Ready : Lookup::None;
        if (body) bytes_ = std::move(*body);
        settled_();
    });
    if (!started) state_ = Lookup::None;
}

}  // namespace bridge::helper
