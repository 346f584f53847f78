// The loopback socket the host's player bridge talks to: at most a few
// clients of this user, each proving itself with the session token first.
#pragma once

#include "bridge/wire/protocol.h"
#include "owners.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bridge::helper {

// An answer that comes later: its bytes are filled in, then ResumeWaiting is
// called. Dropping it cancels what it waits for.
struct PendingAnswer {
    std::optional<std::string> bytes;
    SlotOwner slot;
};

// The reply to one request; or a wait, when the server asks again after
// ResumeWaiting; or an answer to come.
struct Answer {
    Answer(std::string bytes = {}, bool wait = false) : bytes(std::move(bytes)), wait(wait) {}
    Answer(std::shared_ptr<PendingAnswer> pending) : pending(std::move(pending)) {}

    std::string bytes;
    bool wait = false;
    std::shared_ptr<PendingAnswer> pending;
};
using Responder = std::function<Answer(std::string_view request_line)>;

inline constexpr std::uint64_t kHandshakeUsec = std::uint64_t{wire::kHandshakeMs} * 1000;

class Server {
public:
    Server(sd_event* event, std::string token, Responder responder);
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Listens on 127.0.0.1 at a port the system picks; a negative errno on failure.
    int Listen();
    std::uint16_t port() const { return port_; }
    // Asks the waiting requests again and goes on with the lines behind them.
    void ResumeWaiting();

private:
    struct Client {
        Server* server;
        FdOwner fd;
        EventSourceOwner io, handshake_deadline;
        wire::LineBuffer in;
        std::string out;
        std::size_t out_sent = 0;
        bool greeted = false;
        bool closing = false;    // answered DENIED: no more requests
        bool peer_done = false;  // the client sent all it will
        std::string waiting_line;  // the request asked again on ResumeWaiting
        std::shared_ptr<PendingAnswer> pending;  // its answer to come, if it has one
    };

    void AskWaitingAgain();
    // Sends the answer, or keeps the line waiting for it; false when it waits.
    bool Deliver(Client& client, Answer answer, std::string line);
    void Accept();
    void Read(Client& client);
    void Process(Client& client);
    void Greet(Client& client, std::string_view line);
    void Send(Client& client, std::string bytes);
    // Sends what it can and watches for what is still due; false when the client was closed.
    bool Flush(Client& client);
    static std::size_t Unsent(const Client& client);
    void Close(Client& client);

    static int OnListener(sd_event_source* source, int fd, std::uint32_t events, void* self);
    static int OnClient(sd_event_source* source, int fd, std::uint32_t events, void* client);
    static int OnResume(sd_event_source* source, void* self);
    static int OnHandshakeDeadline(sd_event_source* source, std::uint64_t usec, void* client);

    sd_event* event_;  // not owned
    std::string token_;
    Responder responder_;
    FdOwner listener_;
    EventSourceOwner listener_source_;
    EventSourceOwner resume_;
    std::uint16_t port_ = 0;
    std::vector<std::unique_ptr<Client>> clients_;
};

}  // namespace bridge::helper
