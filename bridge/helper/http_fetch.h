// Downloads over http(s) on the event loop, one URL at a time, within a size
// and a time limit, so a slow or endless server never holds the helper up.
#pragma once

#include "owners.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace bridge::helper {

// curl's global state, for the life of the program.
class CurlLibrary {
public:
    CurlLibrary() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlLibrary() { curl_global_cleanup(); }
    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;
};

class HttpFetcher {
public:
    // The body, or empty when the download failed or broke a limit.
    using Done = std::function<void(std::optional<std::string> body)>;

    HttpFetcher(sd_event* event, std::size_t max_bytes, long max_milliseconds);
    ~HttpFetcher();
    HttpFetcher(const HttpFetcher&) = delete;
    HttpFetcher& operator=(const HttpFetcher&) = delete;

    // Drops any download in flight (its done never runs) and starts this one;
    // done runs from the event loop. False when it could not start.
    bool Start(const std::string& url, Done done);
    void Cancel();

private:
    static int OnSocket(CURL* easy, curl_socket_t fd, int what, void* self, void* socket_data);
    static int OnTimerChange(CURLM* multi, long timeout_ms, void* self);
    static int OnReady(sd_event_source* source, int fd, std::uint32_t events, void* self);
    static int OnTimer(sd_event_source* source, std::uint64_t usec, void* self);
    static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self);
    void Drive(curl_socket_t fd, int events);

    sd_event* event_;  // not owned
    std::size_t max_bytes_;
    long max_milliseconds_;
    CurlMultiOwner multi_;
    CurlOwner easy_;  // the download in flight, if any
    std::map<curl_socket_t, EventSourceOwner> sockets_;
    EventSourceOwner timer_;
    std::string body_;
    Done done_;
};

}  // namespace bridge::helper
