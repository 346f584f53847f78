// One greeted connection to the helper, every step bounded by a deadline so a
// slow or silent helper can never hold the caller's thread for long.
#pragma once

#include <winsock2.h>

#include "host/mpris/protocol.h"
#include "host/mpris/session_reader.h"
#include "platform/win_owners.h"

#include <cstdint>
#include <optional>
#include <string>

namespace mpris {

// A moment by which an exchange must be over.
class Deadline {
public:
    explicit Deadline(DWORD milliseconds) : end_(GetTickCount64() + milliseconds) {}
    // What is left, as select() takes it; zero once passed.
    timeval Left() const;

private:
    ULONGLONG end_;
};

class Connection {
public:
    // Connects to the helper on 127.0.0.1 and presents the token. Empty when it
    // cannot be reached in time or refuses; problem then says which.
    static std::optional<Connection> Open(const SessionInfo& session, DWORD timeoutMs, std::string& problem);

    bool SendLine(const std::string& line, const Deadline& deadline);
    std::optional<std::string> ReadLine(const Deadline& deadline);
    // Exactly count raw bytes.
    std::optional<std::string> ReadBytes(std::size_t count, const Deadline& deadline);

private:
    explicit Connection(UniqueSocket socket) : socket_(std::move(socket)) {}
    // Waits for the socket to become readable (or writable) before the deadline.
    bool WaitFor(bool writable, const Deadline& deadline) const;
    // Takes what has arrived into the buffer; false when closed, failed or late.
    bool Receive(const Deadline& deadline);

    UniqueSocket socket_;
    LineBuffer in_;
};

}  // namespace mpris
