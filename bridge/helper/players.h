// The MPRIS players on the session bus and what each one shows, kept current
// from their signals. Nothing here waits: property reads are asynchronous,
// each bounded by the call timeout, and cancelled when their player goes.
#pragma once

#include "bridge/wire/protocol.h"
#include "owners.h"
#include "player_state.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bridge::helper {

inline constexpr std::uint64_t kCallTimeoutUsec = std::uint64_t{wire::kPlayerCallMs} * 1000;

class PlayerDirectory {
public:
    // changed runs after anything about the players changed.
    PlayerDirectory(sd_bus* bus, std::function<void()> changed);
    PlayerDirectory(const PlayerDirectory&) = delete;
    PlayerDirectory& operator=(const PlayerDirectory&) = delete;

    // Subscribes to the bus's signals and lists the players already there.
    // Returns a negative errno on failure.
    int Start();

    // By bus name, once their state has been read (or could not be), so no
    // player shows blank; entries live until their player leaves the bus.
    std::vector<PlayerState*> Players();
    PlayerState* Find(const std::string& bus_name);

private:
    struct Player;
    using ReplyHandler = void (PlayerDirectory::*)(Player&, sd_bus_message*);
    struct PendingCall {
        SlotOwner slot;  // dropping it cancels the call
        ReplyHandler handler;
    };
    struct Player {
        PlayerState state;
        std::vector<PendingCall> calls;
        bool ready = false;
    };

    void Appear(const std::string& bus_name, const std::string& owner);
    void Leave(const std::string& bus_name);
    void Call(Player& player, const char* destination, const char* interface, const char* member,
              const char* argument1, const char* argument2, ReplyHandler handler);
    void ReadAll(Player& player);
    void ReadProperties(Player& player, const char* interface, ReplyHandler handler);
    void ReadPosition(Player& player);
    static ReplyHandler PropertiesHandler(std::string_view interface);

    void OnOwner(Player& player, sd_bus_message* reply);
    void OnPlayerProperties(Player& player, sd_bus_message* reply);
    void OnRootProperties(Player& player, sd_bus_message* reply);
    void OnPlaylistsProperties(Player& player, sd_bus_message* reply);
    void OnPosition(Player& player, sd_bus_message* reply);

    static int OnReply(sd_bus_message* reply, void* self, sd_bus_error* error);
    static int OnNames(sd_bus_message* reply, void* self, sd_bus_error* error);
    static int OnNameOwnerChanged(sd_bus_message* signal, void* self, sd_bus_error* error);
    static int OnPropertiesChanged(sd_bus_message* signal, void* self, sd_bus_error* error);
    static int OnSeeked(sd_bus_message* signal, void* self, sd_bus_error* error);

    sd_bus* bus_;  // not owned
    std::function<void()> changed_;
    std::map<std::string, Player> players_;
    std::uint64_t appearances_ = 0;
    SlotOwner names_call_;
    std::vector<SlotOwner> matches_;
};

}  // namespace bridge::helper
