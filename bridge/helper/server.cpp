#include "server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

namespace bridge::helper {
namespace {

// A client whose unsent answers pass this gets no more requests read until they drain.
constexpr std::size_t kOutputHighWater = 1024 * 1024;

// As long in time whatever the token differs in.
bool SameToken(std::string_view given, std::string_view expected) {
    if (given.size() != expected.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < given.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ expected[i]);
    return difference == 0;
}

std::string Line(std::string_view text) {
    std::string line(text);
    line += '\n';
    return line;
}

}  // namespace

Server::Server(sd_event* event, std::string token, Responder responder)
    : event_(event), token_(std::move(token)), responder_(std::move(responder)) {}

int Server::Listen() {
    listener_.reset(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener_) return -errno;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(listener_.get(), reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(listener_.get(), 16) != 0 ||
        getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return -errno;
    port_ = ntohs(address.sin_port);
    sd_event_source* source = nullptr;
    int r = sd_event_add_io(event_, &source, listener_.get(), EPOLLIN, OnListener, this);
    listener_source_.reset(source);
    return r;
}

// From the event loop, not from inside a request or a bus callback that asked for it.
void Server::ResumeWaiting() {
    if (resume_) return;
    sd_event_source* source = nullptr;
    if (sd_event_add_defer(event_, &source, OnResume, this) >= 0) resume_.reset(source);
}

void Server::AskWaitingAgain() {
    resume_.reset();
    std::vector<Client*> waiting;
    for (auto& client : clients_)
        if (!client->waiting_line.empty()) waiting.push_back(client.get());
    for (Client* client : waiting) {
        std::string line = std::move(client->waiting_line);
        client->waiting_line.clear();
        Answer answer;
        if (client->pending)
            answer.pending = std::move(client->pending);
        else
            answer = responder_(line);
        if (Deliver(*client, std::move(answer), std::move(line))) Process(*client);
    }
}

bool Server::Deliver(Client& client, Answer answer, std::string line) {
    if (answer.pending && answer.pending->bytes) {
        answer.bytes = std::move(*answer.pending->bytes);
    } else if (answer.wait || answer.pending) {
        client.waiting_line = std::move(line);
        client.pending = std::move(answer.pending);
        return false;
    }
    Send(client, std::move(answer.bytes));
    return true;
}

void Server::Accept() {
    while (true) {
        FdOwner fd(accept4(listener_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!fd) return;
        if (clients_.size() >= wire::kMaxClients) {
            std::string denied = Line(wire::kDenied);
            send(fd.get(), denied.data(), denied.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            continue;
        }
        auto client = std::make_unique<Client>();
        client->server = this;
        client->fd = std::move(fd);
        sd_event_source* io = nullptr;
        sd_event_source* deadline = nullptr;
        if (sd_event_add_io(event_, &io, client->fd.get(), EPOLLIN, OnClient, client.get()) < 0) continue;
        client->io.reset(io);
        if (sd_event_add_time_relative(event_, &deadline, CLOCK_MONOTONIC, kHandshakeUsec, 0, OnHandshakeDeadline,
                                       client.get()) < 0)
            continue;
        client->handshake_deadline.reset(deadline);
        clients_.push_back(std::move(client));
    }
}

void Server::Read(Client& client) {
    // One read per wake-up: the buffer never holds more than that beyond what waits.
    char chunk[65536];
    ssize_t n = recv(client.fd.get(), chunk, sizeof chunk, 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n <= 0)
        client.peer_done = true;
    else
        client.in.Append(chunk, static_cast<std::size_t>(n));
    Process(client);
}

void Server::Process(Client& client) {
    bool lines_left = true;
    while (!client.closing && client.waiting_line.empty() && Unsent(client) < kOutputHighWater) {
        std::optional<std::string> line = client.in.NextLine();
        if (!line) {
            lines_left = false;
            break;
        }
        if (!client.greeted) {
            Greet(client, *line);
            continue;
        }
        Answer answer = responder_(*line);
        Deliver(client, std::move(answer), std::move(*line));
    }
    if (client.in.Overlong()) return Close(client);
    if (!Flush(client)) return;
    bool answered_all = Unsent(client) == 0 && client.waiting_line.empty() && !lines_left;
    if (Unsent(client) == 0 && (client.closing || (client.peer_done && answered_all))) Close(client);
}

void Server::Greet(Client& client, std::string_view line) {
    std::string_view prefix = wire::kHello;
    bool hello = line.size() > prefix.size() && line.substr(0, prefix.size()) == prefix && line[prefix.size()] == ' ';
    if (hello && SameToken(line.substr(prefix.size() + 1), token_)) {
        client.greeted = true;
        client.handshake_deadline.reset();
        Send(client, Line(wire::kGreeting));
    } else {
        client.closing = true;
        Send(client, Line(wire::kDenied));
    }
}

void Server::Send(Client& client, std::string bytes) {
    if (client.out_sent == client.out.size()) {
        client.out = std::move(bytes);
        client.out_sent = 0;
    } else {
        client.out += bytes;
    }
}

bool Server::Flush(Client& client) {
    while (Unsent(client) > 0) {
        ssize_t n = send(client.fd.get(), client.out.data() + client.out_sent, Unsent(client), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) break;
        if (n < 0) {
            Close(client);
            return false;
        }
        client.out_sent += static_cast<std::size_t>(n);
    }
    if (Unsent(client) == 0) {
        client.out.clear();
        client.out_sent = 0;
    }
    // Read only what can be answered: a client that does not take its answers sends no more.
    bool reading = !client.closing && !client.peer_done && client.waiting_line.empty() &&
                   Unsent(client) < kOutputHighWater;
    std::uint32_t events = (reading ? EPOLLIN : 0u) | (Unsent(client) > 0 ? EPOLLOUT : 0u);
    sd_event_source_set_io_events(client.io.get(), events);
    return true;
}

std::size_t Server::Unsent(const Client& client) { return client.out.size() - client.out_sent; }

void Server::Close(Client& client) {
    clients_.erase(std::find_if(clients_.begin(), clients_.end(),
                                [&](const std::unique_ptr<Client>& c) { return c.get() == &client; }));
}

int Server::OnListener(sd_event_source*, int, std::uint32_t, void* self) {
    static_cast<Server*>(self)->Accept();
    return 0;
}

int Server::OnClient(sd_event_source*, int, std::uint32_t events, void* client_pointer) {
    auto& client = *static_cast<Client*>(client_pointer);
    Server& server = *client.server;
    // Gone both ways: nobody is left to answer.
    if (events & (EPOLLHUP | EPOLLERR))
        server.Close(client);
    else if (events & EPOLLIN)
        server.Read(client);
    else
        server.Process(client);  // room to send again: on with the requests that waited for it
    return 0;
}

int Server::OnResume(sd_event_source*, void* self) {
    static_cast<Server*>(self)->AskWaitingAgain();
    return 0;
}

int Server::OnHandshakeDeadline(sd_event_source*, std::uint64_t, void* client_pointer) {
    auto& client = *static_cast<Client*>(client_pointer);
    client.server->Close(client);
    return 0;
}

}  // namespace bridge::helper
