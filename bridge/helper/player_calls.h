// Commands to a player: method calls and property writes that wait for the
// player's answer, at most kCallTimeoutUsec each. Each returns an empty
// string on success, else a short reason for the client.
#pragma once

#include "bridge/wire/protocol.h"
#include "player_state.h"

#include <systemd/sd-bus.h>

#include <string>
#include <vector>

namespace bridge::helper {

// A method of org.mpris.MediaPlayer2.Player (Play, Next, ...) or of the root interface (Quit, Raise).
std::string CallPlayerMethod(sd_bus* bus, const PlayerState& player, const char* interface, const char* member);
std::string SetPlayerPosition(sd_bus* bus, const PlayerState& player, std::int64_t position_us);
std::string SetPlayerVolume(sd_bus* bus, const PlayerState& player, double volume);
std::string OpenPlayerUri(sd_bus* bus, const PlayerState& player, const std::string& uri);
std::string ActivatePlayerPlaylist(sd_bus* bus, const PlayerState& player, const std::string& object_path);
// At most limit playlists, in the first ordering the player offers.
std::string ListPlayerPlaylists(sd_bus* bus, const PlayerState& player, std::uint32_t limit,
                                std::vector<wire::PlaylistEntry>& playlists);

}  // namespace bridge::helper
