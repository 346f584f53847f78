// Reading the property dictionaries an MPRIS player sends (GetAll replies and
// PropertiesChanged) into what the helper knows of it. Each function reads an
// a{sv} the message is positioned at and returns a negative errno when the
// message is malformed. Values of unexpected types are skipped.
#pragma once

#include "player_state.h"

#include <systemd/sd-bus.h>

namespace bridge::helper {

inline constexpr const char* kMprisPath = "/org/mpris/MediaPlayer2";
inline constexpr const char* kRootInterface = "org.mpris.MediaPlayer2";
inline constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";
inline constexpr const char* kPlaylistsInterface = "org.mpris.MediaPlayer2.Playlists";
inline constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";

struct PlayerChanges {
    bool track = false;     // the metadata changed
    bool playback = false;  // the playback state changed
};

int ApplyPlayerProperties(sd_bus_message* message, PlayerState& player, Clock::time_point now, PlayerChanges& changes);
int ApplyRootProperties(sd_bus_message* message, PlayerState& player);
int ApplyPlaylistsProperties(sd_bus_message* message, PlayerState& player);

}  // namespace bridge::helper
