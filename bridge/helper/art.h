// The cover of the followed track as bytes, from where its art URL points:
// a local file, a data: URI, or a download that runs in the background and
// is kept for the last URL, so the widget's ART request is quick.
#pragma once

#include "bridge/wire/protocol.h"
#include "http_fetch.h"

#include <functional>
#include <optional>
#include <string>

namespace bridge::helper {


// A regular file's bytes, at most max_bytes of them; empty for anything else.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t max_bytes);

class ArtStore {
public:
    enum class Lookup { None, Pending, Ready };

    // settled runs when a download ends, so requests waiting on it go on.
    ArtStore(sd_event* event, std::function<void()> settled);

    // Starts downloading the art at url, if it is a download, ahead of a request.
    void Prefetch(const std::string& url);
    // The art at url now; Pending while it is downloading.
    Lookup Find(const std::string& url, std::string& bytes);

private:
    void Download(const std::string& url);

    HttpFetcher fetcher_;
    std::function<void()> settled_;
    std::string url_;  // the last download's URL
    Lookup state_ = Lookup::None;
    std::string bytes_;
};

}  // namespace bridge::helper
