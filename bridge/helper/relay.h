// Answers the host's requests from the followed player: which player that is,
// what it shows, and the commands that go to it.
#pragma once

#include "art.h"
#include "player_calls.h"
#include "players.h"
#include "server.h"

#include <functional>
#include <string>
#include <string_view>

namespace bridge::helper {

class Relay {
public:
    // waiting_changed runs when requests that waited may have their answer.
    Relay(sd_bus* bus, sd_event* event, std::function<void()> waiting_changed);
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    int Start() { return directory_.Start(); }
    Answer Respond(std::string_view request_line);

private:
    void PlayersChanged();
    PlayerState* Followed();
    std::string StatusReply();
    std::string PlayersReply();
    std::string PinReply(const std::string& bus_name);
    Answer ArtAnswer(const std::string& track);
    Answer PlayerReply(PlayerState& player, const wire::Request& request);
    Answer VolumeReply(PlayerState& player, const std::string& argument);
    Answer MuteReply(PlayerState& player, const std::string& argument);
    Answer PlaylistsReply(PlayerState& player);
    // A call's caller: its answer in, the waiting requests are asked again.
    Caller caller();

    sd_bus* bus_;  // not owned
    std::function<void()> waiting_changed_;
    PlayerDirectory directory_;
    ArtStore art_;
    std::string pinned_;
    // The followed player as last seen, to tell when it changes or comes back.
    std::string followed_name_;
    std::uint64_t followed_appearance_ = 0;
    std::uint64_t generation_ = 0;
    const std::string instance_;  // this helper's run, so a client tells it from the next
};

}  // namespace bridge::helper
