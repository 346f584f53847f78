#include "bridge/windows/connection.h"

#include <algorithm>

namespace bridge::windows {
namespace {

constexpr std::size_t kReceiveChunk = 16 * 1024;
// How often a wait looks whether the reader was told to stop.
constexpr ULONGLONG kStopCheckMs = 50;

UniqueSocket NonBlockingSocket() {
    SOCKET raw = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (raw == INVALID_SOCKET) return {};
    UniqueSocket owned(raw);
    u_long nonBlocking = 1;
    if (ioctlsocket(raw, FIONBIO, &nonBlocking) != 0) return {};
    return owned;
}

}  // namespace

std::optional<timeval> Deadline::Next() const {
    const ULONGLONG now = GetTickCount64();
    if (now >= end_ || stop_) return std::nullopt;
    const ULONGLONG left = std::min(end_ - now, kStopCheckMs);
    return timeval{0, static_cast<long>(left * 1000)};
}

std::optional<Connection> Connection::Open(const SessionInfo& session, const Deadline& deadline, std::string& problem) {
    UniqueSocket socket = NonBlockingSocket();
    if (!socket) {
        problem = "no socket could be made";
        return std::nullopt;
    }
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(session.port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Connection connection(std::move(socket));
    const SOCKET raw = connection.socket_.get();
    if (connect(raw, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        int error = WSAGetLastError();
        if (error == WSAEWOULDBLOCK && connection.WaitFor(true, deadline)) {
            int length = sizeof error;
            if (getsockopt(raw, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0) error = -1;
        }
        if (error != 0) {
            problem = "the bridge's helper does not answer on port " + std::to_string(session.port);
            return std::nullopt;
        }
    }
    std::optional<std::string> greeting;
    if (connection.SendLine(HelloLine(session.token), deadline)) greeting = connection.ReadLine(deadline);
    if (greeting == std::string(kGreeting)) return connection;
    problem = greeting == std::string(kDenied) ? "the bridge's helper refused the token"
                                               : "the bridge's helper did not greet";
    return std::nullopt;
}

bool Connection::WaitFor(bool writable, const Deadline& deadline) const {
    while (std::optional<timeval> slice = deadline.Next()) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(socket_.get(), &ready);
        fd_set failed = ready;
        const int count = select(0, writable ? nullptr : &ready, writable ? &ready : nullptr, &failed, &*slice);
        if (count != 0) return count > 0 && FD_ISSET(socket_.get(), &ready);
    }
    return false;
}

bool Connection::Answered(DWORD waitMs) const {
    if (in_.Buffered() > 0) return true;
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket_.get(), &ready);
    fd_set failed = ready;
    timeval wait = {static_cast<long>(waitMs / 1000), static_cast<long>(waitMs % 1000 * 1000)};
    return select(0, &ready, nullptr, &failed, &wait) != 0;
}

bool Connection::SendLine(const std::string& line, const Deadline& deadline) {
    const std::string bytes = line + '\n';
    for (std::size_t sent = 0; sent < bytes.size();) {
        const int n = send(socket_.get(), bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (WSAGetLastError() != WSAEWOULDBLOCK || !WaitFor(true, deadline)) {
            return false;
        }
    }
    return true;
}

bool Connection::Receive(const Deadline& deadline) {
    if (!WaitFor(false, deadline)) return false;
    char chunk[kReceiveChunk];
    const int n = recv(socket_.get(), chunk, sizeof chunk, 0);
    if (n <= 0) return n < 0 && WSAGetLastError() == WSAEWOULDBLOCK;
    in_.Append(chunk, static_cast<std::size_t>(n));
    return true;
}

std::optional<std::string> Connection::ReadLine(const Deadline& deadline) {
    while (true) {
        if (std::optional<std::string> line = in_.NextLine()) return line;
        if (in_.Overlong() || !Receive(deadline)) return std::nullopt;
    }
}

std::optional<std::string> Connection::ReadBytes(std::size_t count, const Deadline& deadline) {
    while (true) {
        if (std::optional<std::string> bytes = in_.TakeBytes(count)) return bytes;
        if (!Receive(deadline)) return std::nullopt;
    }
}

}  // namespace bridge::windows
