// What the helper knows of one MPRIS player, and the rules that keep it: the
// position between reads, and muting, which MPRIS lacks.
#pragma once

#include "follow_rule.h"
#include "bridge/wire/protocol.h"

#include <cstdint>
#include <string>

namespace bridge::helper {

struct TrackInfo {
    std::string id;  // mpris:trackid
    std::string title, artist, album, genre, art_url;
    std::int64_t length_us = 0;  // 0: unknown
    double rating = 0;           // 0..1
};

struct PlayerState {
    std::string bus_name;  // org.mpris.MediaPlayer2.<name>
    std::string owner;     // its unique connection name, which signals come from
    std::uint64_t appearance = 0;  // a new number each time a player comes onto the bus
    std::string identity;
    bool can_quit = false, can_raise = false, can_seek = false;
    bool has_playlists = false;
    std::string playlist_ordering;  // one the player offers, for listing playlists

    wire::PlayState state = wire::PlayState::Stopped;
    TrackInfo track;
    double volume = 0;
    double rate = 1;

    // The last position read or announced, and when: the base for interpolation.
    std::int64_t position_us = 0;
    Clock::time_point position_at;

    Clock::time_point playing_since, last_active;

    bool muted = false;
    bool mute_seen = false;  // the player has reported the volume of 0 that muting set
    double volume_before_mute = 0;
};

// The position now: the base moved on at the player's rate while playing,
// kept within the track when its length is known.
std::int64_t PositionNow(const PlayerState& player, Clock::time_point now);

void SetPosition(PlayerState& player, std::int64_t position_us, Clock::time_point now);
void SetPlayState(PlayerState& player, wire::PlayState state, Clock::time_point now);
void SetRate(PlayerState& player, double rate, Clock::time_point now);
// A volume the player reports. A non-zero one from outside ends muting; the
// reports of volumes set before muting, still on their way, do not.
void SetReportedVolume(PlayerState& player, double volume);

// A volume the player took from us. Taken as the volume at once: its report
// may come after a later request that reads the volume (muting does).
void SetOwnVolume(PlayerState& player, double volume);
// Muting as the widget knows it, once the player took the volume of 0: the
// volume before is remembered for unmuting.
void Mute(PlayerState& player);

wire::Status StatusOf(const PlayerState& player, Clock::time_point now);
// 0..1 as a whole percentage, 0 for what is no number.
int Percent(double fraction);

}  // namespace bridge::helper
