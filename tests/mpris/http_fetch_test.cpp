// Art downloads on the helper's event loop against a loopback server of the
// test's own: the body arrives whole, and a body past the size limit, a
// redirect away from http and a server that never answers each end in a
// failure instead of memory, a local file or a wait without end.
#include "http_fetch.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>
#include <string>
#include <thread>

using namespace bridge::helper;

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
    if (!ok) ++failures;
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
}

// Answers one connection with response (none: holds it open, silent, until the
// client goes). Waits at most a few seconds for anything, so a fault cannot hang the test.
class OneShotServer {
    static constexpr timeval kLimit{5, 0};

public:
    explicit OneShotServer(std::string response) : response_(std::move(response)) {
        listener_.reset(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        setsockopt(listener_.get(), SOL_SOCKET, SO_RCVTIMEO, &kLimit, sizeof kLimit);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(listener_.get(), reinterpret_cast<sockaddr*>(&address), size);
        listen(listener_.get(), 1);
        getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&address), &size);
        url_ = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/cover.png";
        thread_ = std::thread([this] { Serve(); });
    }
    ~OneShotServer() { thread_.join(); }
    const std::string& url() const { return url_; }

private:
    void Serve() {
        FdOwner client(accept(listener_.get(), nullptr, nullptr));
        setsockopt(client.get(), SOL_SOCKET, SO_RCVTIMEO, &kLimit, sizeof kLimit);
        char request[4096];
        recv(client.get(), request, sizeof request, 0);
        if (!response_.empty()) send(client.get(), response_.data(), response_.size(), MSG_NOSIGNAL);
        // Until the client closes its end.
        while (recv(client.get(), request, sizeof request, 0) > 0) {}
    }

    std::string response_;
    FdOwner listener_;
    std::string url_;
    std::thread thread_;
};

// The download's outcome, from the event loop; empty when it never came.
std::optional<std::optional<std::string>> Fetch(sd_event* event, HttpFetcher& fetcher, const std::string& url) {
    std::optional<std::optional<std::string>> outcome;
    if (!fetcher.Start(url, [&](std::optional<std::string> body) { outcome = std::move(body); })) return outcome;
    // A safety net far past the fetcher's own limit, so a fault fails instead of hanging.
    for (int turn = 0; turn < 200 && !outcome; ++turn) sd_event_run(event, 50'000);
    fetcher.Cancel();
    return outcome;
}

}  // namespace

int main() {
    CurlLibrary curl;
    sd_event* raw = nullptr;
    sd_event_new(&raw);
    EventOwner event(raw);
    HttpFetcher fetcher(event.get(), 1000, 500);
    std::string cover(600, '\x89');
    {
        OneShotServer server("HTTP/1.1 200 OK\r\nContent-Length: 600\r\nConnection: close\r\n\r\n" + cover);
        auto outcome = Fetch(event.get(), fetcher, server.url());
        Check(outcome && *outcome == cover, "the body arrives whole");
    }
    {
        // No length announced: only the bytes themselves show the limit is passed.
        OneShotServer server("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(5000, 'x'));
        auto outcome = Fetch(event.get(), fetcher, server.url());
        Check(outcome && !*outcome, "a body past the size limit fails");
    }
    {
        OneShotServer server("HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\nContent-Length: 0\r\n\r\n");
        auto outcome = Fetch(event.get(), fetcher, server.url());
        Check(outcome && !*outcome, "a redirect to a local file fails");
    }
    {
        OneShotServer server("");
        auto outcome = Fetch(event.get(), fetcher, server.url());
        Check(outcome && !*outcome, "a server that never answers fails at the time limit");
    }
    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
