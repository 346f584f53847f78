// The host's side of the bridge: asks the helper, keeps the followed player's
// status for a moment so that one redraw costs one round trip, and tells the
// runs of the followed player apart. A helper that cannot be reached is tried
// again only after a pause, so while it is gone a call costs nothing.
#pragma once

#include "host/mpris/protocol.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class WinsockSession;

namespace mpris {

class Connection;

// One stretch of one followed player, from the first status that shows it
// until the helper follows another, the player goes, or the connection ends.
// Objects handed out belong to the run they were made in. 0: no player.
using Run = std::uint64_t;

class BridgeClient {
public:
    explicit BridgeClient(std::wstring sessionPath);
    ~BridgeClient();
    BridgeClient(const BridgeClient&) = delete;
    BridgeClient& operator=(const BridgeClient&) = delete;

    // The followed player's state, fetched at most a moment ago; null while
    // the helper cannot be reached.
    const Status* CurrentStatus();
    Run CurrentRun();
    // The status, while run is still the current one; null after it.
    const Status* StatusOf(Run run);
    // How long ago the status was fetched, to carry a playing position on.
    std::chrono::milliseconds StatusAge() const;

    // Empty when the helper cannot be reached. A command makes the next status fresh.
    std::optional<Reply> Send(Command command, std::string_view argument = {});
    // The followed track's cover; empty when there is none or the helper cannot be reached.
    std::optional<std::string> Art();
    std::optional<std::vector<PlayerEntry>> Players();
    std::optional<std::vector<PlaylistEntry>> Playlists();

    // Why the helper could not be reached, the last time it could not.
    const std::string& problem() const { return problem_; }

private:
    using Clock = std::chrono::steady_clock;

    Connection* Connected();
    // One request and its whole answer, read by read(connection, first line, deadline);
    // a failure on the way drops the connection, which is then out of step.
    template <class Answer, class Read>
    std::optional<Answer> Ask(const std::string& request, unsigned long timeoutMs, Read&& read);
    // No new attempt until a while after the failed one that began then.
    void PauseRetries(Clock::time_point attempt);
    void NoteRun();

    std::wstring sessionPath_;
    std::unique_ptr<WinsockSession> winsock_;
    std::unique_ptr<Connection> connection_;
    std::uint64_t connections_ = 0;  // made so far
    Clock::time_point retryAt_{};
    std::string problem_;

    std::optional<Status> status_;
    Clock::time_point fetchedAt_{};
    Run run_ = 0;
    Run lastRun_ = 0;
    std::pair<std::uint64_t, std::uint64_t> runKey_{};  // connection and generation of run_
};

}  // namespace mpris
