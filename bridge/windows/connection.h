// One greeted connection to the helper, every step bounded by a deadline so a
// slow or silent helper can never hold the bridge's reader for long, and
// given up at once when the reader is told to stop.
#pragma once

#include <winsock2.h>

#include "bridge/windows/session_reader.h"
#include "bridge/wire/protocol.h"
#include "platform/win_owners.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace bridge::windows {

// The Windows side speaks the wire format's terms as its own.
using namespace wire;

// A moment by which an exchange must be over, and the flag that ends it sooner.
class Deadline {
public:
    Deadline(DWORD milliseconds, const std::atomic<bool>& stop) : end_(GetTickCount64() + milliseconds), stop_(stop) {}
    // What is left before the next look at the flag, as select() takes it;
    // empty once passed or stopped.
    std::optional<timeval> Next() const;
    bool Over() const { return !Next(); }

private:
    ULONGLONG end_;
    const std::atomic<bool>& stop_;
};

class Connection {
public:
    // Connects to the helper on 127.0.0.1 and presents the token. Empty when it
    // cannot be reached in time or refuses; problem then says which.
    static std::optional<Connection> Open(const SessionInfo& session, const Deadline& deadline, std::string& problem);

    bool SendLine(const std::string& line, const Deadline& deadline);
    std::optional<std::string> ReadLine(const Deadline& deadline);
    // Exactly count raw bytes.
    std::optional<std::string> ReadBytes(std::size_t count, const Deadline& deadline);
    // Whether an answer has begun to arrive within the wait (0: a look), or
    // the connection closed or failed: a read then waits at most for the rest.
    bool Answered(DWORD waitMs) const;

private:
    explicit Connection(UniqueSocket socket) : socket_(std::move(socket)) {}
    // Waits for the socket to become readable (or writable) before the deadline.
    bool WaitFor(bool writable, const Deadline& deadline) const;
    // Takes what has arrived into the buffer; false when closed, failed or late.
    bool Receive(const Deadline& deadline);

    UniqueSocket socket_;
    LineBuffer in_;
};

}  // namespace bridge::windows
