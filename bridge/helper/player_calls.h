// Commands to a player: method calls and property writes sent without
// waiting, so one slow player holds neither the other players nor any client.
// Each hands back the answer to come: once the player answers (or its
// kCallTimeoutUsec is over) the writer turns the outcome into the client's
// answer and the caller's settled runs. Dropping the answer cancels the call.
#pragma once

#include "bridge/wire/protocol.h"
#include "player_state.h"
#include "server.h"

#include <systemd/sd-bus.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bridge::helper {

// The bus and what to run when an answer is in.
struct Caller {
    sd_bus* bus;
    std::function<void()> settled;
};
// The client's answer from the call's outcome: error is empty on success, and
// reply the player's answer then (null otherwise).
using AnswerWriter = std::function<std::string(const std::string& error, sd_bus_message* reply)>;

// A method of org.mpris.MediaPlayer2.Player (Play, Next, ...) or of the root interface (Quit, Raise).
std::shared_ptr<PendingAnswer> CallPlayerMethod(const Caller& caller, const PlayerState& player, const char* interface,
                                                const char* member, AnswerWriter write);
std::shared_ptr<PendingAnswer> SetPlayerPosition(const Caller& caller, const PlayerState& player,
                                                 std::int64_t position_us, AnswerWriter write);
std::shared_ptr<PendingAnswer> SetPlayerVolume(const Caller& caller, const PlayerState& player, double volume,
                                               AnswerWriter write);
std::shared_ptr<PendingAnswer> OpenPlayerUri(const Caller& caller, const PlayerState& player, const std::string& uri,
                                             AnswerWriter write);
std::shared_ptr<PendingAnswer> ActivatePlayerPlaylist(const Caller& caller, const PlayerState& player,
                                                      const std::string& object_path, AnswerWriter write);
// At most limit playlists, in the first ordering the player offers; write gets
// them as its reply's reading.
std::shared_ptr<PendingAnswer> ListPlayerPlaylists(
    const Caller& caller, const PlayerState& player, std::uint32_t limit,
    std::function<std::string(const std::string& error, const std::vector<wire::PlaylistEntry>& playlists)> write);

}  // namespace bridge::helper
