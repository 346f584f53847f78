// quillbridge: follows the desktop's MPRIS players on the session bus and
// answers quillhost's player bridge over a loopback socket of this user's.
#include "relay.h"
#include "http_fetch.h"
#include "owners.h"
#include "server.h"
#include "session_file.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace bridge::helper {
namespace {

constexpr const char kUsage[] =
    "usage: quillbridge [--session-file PATH]\n"
    "Relays the session bus's MPRIS players to quillhost over 127.0.0.1.\n"
    "The session file (port and token, this user's alone) defaults to\n"
    "$XDG_RUNTIME_DIR/quillbracket/bridge, else $HOME/.cache/quillbracket/bridge.\n";

int Fail(const char* what, int error) {
    std::fprintf(stderr, "quillbridge: %s: %s\n", what, std::strerror(error < 0 ? -error : error));
    return 1;
}

int Run(const std::string& session_path) {
    // SIGTERM and SIGINT arrive through the loop, which then ends and tidies up.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGTERM);
    sigaddset(&stop_signals, SIGINT);
    sigprocmask(SIG_BLOCK, &stop_signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    sd_event* raw_event = nullptr;
    int r = sd_event_new(&raw_event);
    EventOwner event(raw_event);
    if (r < 0) return Fail("cannot make the event loop", r);
    for (int signal : {SIGTERM, SIGINT})
        if ((r = sd_event_add_signal(event.get(), nullptr, signal, nullptr, nullptr)) < 0)
            return Fail("cannot watch signals", r);

    sd_bus* raw_bus = nullptr;
    r = sd_bus_open_user(&raw_bus);
    BusOwner bus(raw_bus);
    if (r < 0) return Fail("cannot reach the session bus", r);
    sd_bus_set_method_call_timeout(bus.get(), kCallTimeoutUsec);
    // Without the bus there is nothing to relay: end, and the host sees the bridge gone.
    sd_bus_set_exit_on_disconnect(bus.get(), 1);
    if ((r = sd_bus_attach_event(bus.get(), event.get(), SD_EVENT_PRIORITY_NORMAL)) < 0)
        return Fail("cannot attach the bus", r);

    CurlLibrary curl;
    std::string token = MakeToken();
    std::unique_ptr<Server> server;
    Relay bridge(bus.get(), event.get(), [&server] {
        if (server) server->ResumeWaiting();
    });
    server = std::make_unique<Server>(event.get(), token, [&bridge](std::string_view line) {
        return bridge.Respond(line);
    });
    if ((r = bridge.Start()) < 0) return Fail("cannot follow the players", r);
    if ((r = server->Listen()) < 0) return Fail("cannot listen", r);
    SessionFile session(session_path, server->port(), token);
    std::fprintf(stderr, "quillbridge: listening on 127.0.0.1:%u, session file %s\n", server->port(),
                 session_path.c_str());
    r = sd_event_loop(event.get());
    return r < 0 ? Fail("event loop", r) : 0;
}

}  // namespace
}  // namespace bridge::helper

int main(int argc, char** argv) {
    std::string session_path = bridge::helper::DefaultSessionPath();
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--session-file" && i + 1 < argc) {
            session_path = argv[++i];
        } else {
            std::fputs(bridge::helper::kUsage, option == "--help" ? stdout : stderr);
            return option == "--help" ? 0 : 2;
        }
    }
    if (session_path.empty()) {
        std::fputs("quillbridge: neither XDG_RUNTIME_DIR nor HOME is set: give --session-file\n", stderr);
        return 2;
    }
    try {
        return bridge::helper::Run(session_path);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillbridge: %s\n", error.what());
        return 1;
    }
}
