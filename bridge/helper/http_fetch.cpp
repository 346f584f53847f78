#include "http_fetch.h"

#include <sys/epoll.h>

namespace bridge::helper {

HttpFetcher::HttpFetcher(sd_event* event, std::size_t max_bytes, long max_milliseconds)
    : event_(event), max_bytes_(max_bytes), max_milliseconds_(max_milliseconds), multi_(curl_multi_init()) {
    curl_multi_setopt(multi_.get(), CURLMOPT_SOCKETFUNCTION, OnSocket);
    curl_multi_setopt(multi_.get(), CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi_.get(), CURLMOPT_TIMERFUNCTION, OnTimerChange);
    curl_multi_setopt(multi_.get(), CURLMOPT_TIMERDATA, this);
}

HttpFetcher::~HttpFetcher() { Cancel(); }

bool HttpFetcher::Start(const std::string& url, Done done) {
    Cancel();
    CurlOwner easy(curl_easy_init());
    if (!easy) return false;
    CURL* e = easy.get();
    curl_easy_setopt(e, CURLOPT_URL, url.c_str());
    // Only http(s), also where a redirect leads: never a local file or another scheme.
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(e, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    // Downloads are rare: no connection lingers for a reuse, nor its socket unwatched.
    curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, max_milliseconds_);
    curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(max_bytes_));
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, this);
    if (curl_multi_add_handle(multi_.get(), e) != CURLM_OK) return false;
    easy_ = std::move(easy);
    done_ = std::move(done);
    return true;
}

void HttpFetcher::Cancel() {
    if (easy_) curl_multi_remove_handle(multi_.get(), easy_.get());
    easy_.reset();
    sockets_.clear();
    timer_.reset();
    body_.clear();
    done_ = nullptr;
}

// curl tells which sockets to watch for what; the loop watches them.
int HttpFetcher::OnSocket(CURL*, curl_socket_t fd, int what, void* self_pointer, void*) {
    auto* self = static_cast<HttpFetcher*>(self_pointer);
    if (what == CURL_POLL_REMOVE) {
        self->sockets_.erase(fd);
        return 0;
    }
    std::uint32_t events = (what & CURL_POLL_IN ? EPOLLIN : 0u) | (what & CURL_POLL_OUT ? EPOLLOUT : 0u);
    auto watched = self->sockets_.find(fd);
    if (watched != self->sockets_.end()) return sd_event_source_set_io_events(watched->second.get(), events) < 0 ? -1 : 0;
    sd_event_source* source = nullptr;
    if (sd_event_add_io(self->event_, &source, fd, events, OnReady, self) < 0) return -1;
    self->sockets_.emplace(fd, EventSourceOwner(source));
    return 0;
}

int HttpFetcher::OnTimerChange(CURLM*, long timeout_ms, void* self_pointer) {
    auto* self = static_cast<HttpFetcher*>(self_pointer);
    if (timeout_ms < 0) {
        self->timer_.reset();
        return 0;
    }
    std::uint64_t delay = static_cast<std::uint64_t>(timeout_ms) * 1000;
    if (!self->timer_) {
        sd_event_source* source = nullptr;
        if (sd_event_add_time_relative(self->event_, &source, CLOCK_MONOTONIC, delay, 1000, OnTimer, self) < 0)
            return -1;
        self->timer_.reset(source);
        return 0;
    }
    if (sd_event_source_set_time_relative(self->timer_.get(), delay) < 0) return -1;
    return sd_event_source_set_enabled(self->timer_.get(), SD_EVENT_ONESHOT) < 0 ? -1 : 0;
}

int HttpFetcher::OnReady(sd_event_source*, int fd, std::uint32_t events, void* self_pointer) {
    int flags = (events & EPOLLIN ? CURL_CSELECT_IN : 0) | (events & EPOLLOUT ? CURL_CSELECT_OUT : 0) |
                (events & (EPOLLERR | EPOLLHUP) ? CURL_CSELECT_ERR : 0);
    static_cast<HttpFetcher*>(self_pointer)->Drive(fd, flags);
    return 0;
}

int HttpFetcher::OnTimer(sd_event_source*, std::uint64_t, void* self_pointer) {
    static_cast<HttpFetcher*>(self_pointer)->Drive(CURL_SOCKET_TIMEOUT, 0);
    return 0;
}

std::size_t HttpFetcher::OnBody(char* data, std::size_t size, std::size_t count, void* self_pointer) {
    auto* self = static_cast<HttpFetcher*>(self_pointer);
    std::size_t n = size * count;
    // A server that sends more than it announced, or announced nothing: stop at the limit.
    if (self->body_.size() + n > self->max_bytes_) return 0;
    self->body_.append(data, n);
    return n;
}

void HttpFetcher::Drive(curl_socket_t fd, int events) {
    int running = 0;
    curl_multi_socket_action(multi_.get(), fd, events, &running);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_.get(), &queued)) {
        if (message->msg != CURLMSG_DONE || message->easy_handle != easy_.get()) continue;
        std::optional<std::string> body;
        if (message->data.result == CURLE_OK) body = std::move(body_);
        Done done = std::move(done_);
        Cancel();
        // Last: done may start the next download.
        done(std::move(body));
        return;
    }
}

}  // namespace bridge::helper
