#include "host/mpris/bridge_client.h"

#include "host/mpris/connection.h"
#include "host/mpris/utf8.h"

#include <algorithm>

namespace mpris {
namespace {

// One redraw asks for many values; they come from one status.
constexpr std::chrono::milliseconds kStatusMaxAge{150};
// After a failure the helper is tried again only after a pause; after a slow
// one (a helper that takes a connection but does not answer) a longer one, so
// that it cannot hold more than a fifth of the caller's time.
constexpr std::chrono::milliseconds kRetryPause{1000};
constexpr int kSlowFailureFactor = 4;
// The helper answers the greeting and STATUS from what it knows at once.
constexpr DWORD kStatusTimeoutMs = 500;
// Commands wait for the player, which the helper gives 1 s.
constexpr DWORD kPlayerTimeoutMs = 1200;
// The helper waits for a download in flight up to 3 s, then sends it.
constexpr DWORD kArtTimeoutMs = 3500;
constexpr std::size_t kMaxArtBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxListed = 4096;

template <class Entry>
using Parse = std::optional<Entry> (*)(std::string_view);

// "OK <n>" and n entries; a refusal is an empty list.
template <class Entry>
std::optional<std::vector<Entry>> ReadListing(Connection& connection, const std::string& first,
                                              const Deadline& deadline, Parse<Entry> parse) {
    std::optional<Reply> reply = ParseReply(first);
    if (!reply) return std::nullopt;
    std::vector<Entry> entries;
    if (!reply->ok) return entries;
    std::optional<std::size_t> count = ParseCount(reply->payload, kMaxListed);
    if (!count) return std::nullopt;
    for (std::size_t i = 0; i < *count; ++i) {
        std::optional<std::string> line = connection.ReadLine(deadline);
        std::optional<Entry> entry = line ? parse(*line) : std::nullopt;
        if (!entry) return std::nullopt;
        entries.push_back(std::move(*entry));
    }
    return entries;
}

}  // namespace

BridgeClient::BridgeClient(std::wstring sessionPath)
    : sessionPath_(std::move(sessionPath)), winsock_(std::make_unique<WinsockSession>()) {}

BridgeClient::~BridgeClient() = default;

Connection* BridgeClient::Connected() {
    if (connection_) return connection_.get();
    const Clock::time_point attempt = Clock::now();
    if (attempt < retryAt_) return nullptr;
    std::optional<SessionInfo> session = ReadSessionFile(sessionPath_);
    if (!winsock_->ok()) {
        problem_ = "Windows sockets did not start";
    } else if (!session) {
        problem_ = "there is no readable bridge session file at " + Utf8FromWide(sessionPath_);
    } else if (std::optional<Connection> opened = Connection::Open(*session, kStatusTimeoutMs, problem_)) {
        connection_ = std::make_unique<Connection>(std::move(*opened));
        ++connections_;
        return connection_.get();
    }
    PauseRetries(attempt);
    return nullptr;
}

void BridgeClient::PauseRetries(Clock::time_point attempt) {
    const Clock::time_point now = Clock::now();
    retryAt_ = now + std::max<Clock::duration>(kRetryPause, kSlowFailureFactor * (now - attempt));
}

template <class Answer, class Read>
std::optional<Answer> BridgeClient::Ask(const std::string& request, unsigned long timeoutMs, Read&& read) {
    Connection* connection = Connected();
    if (!connection) return std::nullopt;
    const Clock::time_point start = Clock::now();
    const Deadline deadline(timeoutMs);
    std::optional<Answer> answer;
    if (connection->SendLine(request, deadline))
        if (std::optional<std::string> first = connection->ReadLine(deadline))
            answer = read(*connection, *first, deadline);
    if (!answer) {
        connection_.reset();
        problem_ = "the bridge's helper stopped answering";
        PauseRetries(start);
    }
    return answer;
}

const Status* BridgeClient::CurrentStatus() {
    if (!status_ || Clock::now() - fetchedAt_ >= kStatusMaxAge) {
        status_ = Ask<Status>("STATUS", kStatusTimeoutMs, [](Connection&, const std::string& line, const Deadline&) {
            return ParseStatusReply(line);
        });
        fetchedAt_ = Clock::now();
        NoteRun();
    }
    return status_ ? &*status_ : nullptr;
}

void BridgeClient::NoteRun() {
    if (!status_ || !status_->connected) {
        run_ = 0;
        return;
    }
    const std::pair key{connections_, status_->generation};
    if (run_ == 0 || key != runKey_) {
        runKey_ = key;
        run_ = ++lastRun_;
    }
}

Run BridgeClient::CurrentRun() {
    CurrentStatus();
    return run_;
}

const Status* BridgeClient::StatusOf(Run run) {
    const Status* status = CurrentStatus();
    return run != 0 && run == run_ ? status : nullptr;
}

std::chrono::milliseconds BridgeClient::StatusAge() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - fetchedAt_);
}

std::optional<Reply> BridgeClient::Send(Command command, std::string_view argument) {
    status_.reset();
    return Ask<Reply>(FormatRequest(command, argument), kPlayerTimeoutMs,
                      [](Connection&, const std::string& line, const Deadline&) { return ParseReply(line); });
}

std::optional<std::string> BridgeClient::Art() {
    std::optional<std::string> bytes = Ask<std::string>(
        FormatRequest(Command::Art), kArtTimeoutMs,
        [](Connection& connection, const std::string& first, const Deadline& deadline) -> std::optional<std::string> {
            std::optional<Reply> reply = ParseReply(first);
            if (!reply) return std::nullopt;
            if (!reply->ok) return std::string();
            std::optional<std::size_t> count = ParseCount(reply->payload, kMaxArtBytes);
            return count ? connection.ReadBytes(*count, deadline) : std::nullopt;
        });
    if (bytes && bytes->empty()) return std::nullopt;
    return bytes;
}

std::optional<std::vector<PlayerEntry>> BridgeClient::Players() {
    return Ask<std::vector<PlayerEntry>>(
        FormatRequest(Command::Players), kStatusTimeoutMs,
        [](Connection& connection, const std::string& first, const Deadline& deadline) {
            return ReadListing<PlayerEntry>(connection, first, deadline, &ParsePlayerEntry);
        });
}

std::optional<std::vector<PlaylistEntry>> BridgeClient::Playlists() {
    return Ask<std::vector<PlaylistEntry>>(
        FormatRequest(Command::Playlists), kPlayerTimeoutMs,
        [](Connection& connection, const std::string& first, const Deadline& deadline) {
            return ReadListing<PlaylistEntry>(connection, first, deadline, &ParsePlaylistEntry);
        });
}

}  // namespace mpris
