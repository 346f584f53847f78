#include "player_state.h"

#include <algorithm>
#include <cmath>

namespace bridge::helper {

std::int64_t PositionNow(const PlayerState& player, Clock::time_point now) {
    double position = static_cast<double>(player.position_us);
    if (player.state == wire::PlayState::Playing && now > player.position_at)
        position += std::chrono::duration<double, std::micro>(now - player.position_at).count() * player.rate;
    // Past any length a track can have, but still within an int64.
    double limit = player.track.length_us > 0 ? static_cast<double>(player.track.length_us) : 9e18;
    return static_cast<std::int64_t>(std::clamp(position, 0.0, limit));
}

void SetPosition(PlayerState& player, std::int64_t position_us, Clock::time_point now) {
    player.position_us = position_us;
    player.position_at = now;
}

void SetPlayState(PlayerState& player, wire::PlayState state, Clock::time_point now) {
    if (state == player.state) return;
    SetPosition(player, PositionNow(player, now), now);
    if (state == wire::PlayState::Playing) player.playing_since = now;
    player.state = state;
    player.last_active = now;
}

void SetRate(PlayerState& player, double rate, Clock::time_point now) {
    SetPosition(player, PositionNow(player, now), now);
    player.rate = std::isfinite(rate) && rate >= 0 ? rate : 1;
}

void SetReportedVolume(PlayerState& player, double volume) {
    player.volume = volume;
    if (!player.muted) return;
    if (volume == 0)
        player.mute_seen = true;
    else if (player.mute_seen)
        player.muted = false;
}

void SetOwnVolume(PlayerState& player, double volume) {
    player.volume = volume;
    player.muted = false;
}

void Mute(PlayerState& player) {
    if (player.muted) return;
    player.muted = true;
    player.volume_before_mute = player.volume;
    // At 0 already, the player reports no change to wait for.
    player.mute_seen = player.volume == 0;
    player.volume = 0;
}

int Percent(double fraction) {
    if (!std::isfinite(fraction)) return 0;
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 100));
}

wire::Status StatusOf(const PlayerState& player, Clock::time_point now) {
    wire::Status status;
    status.connected = true;
    status.player = player.bus_name;
    status.identity = player.identity;
    status.state = player.state;
    status.position_ms = PositionNow(player, now) / 1000;
    status.volume = Percent(player.volume);
    status.muted = player.muted;
    status.track = player.track.id;
    status.title = player.track.title;
    status.artist = player.track.artist;
    status.album = player.track.album;
    status.genre = player.track.genre;
    status.length_ms = player.track.length_us / 1000;
    status.rating = Percent(player.track.rating);
    status.art_url = player.track.art_url;
    status.can_seek = player.can_seek;
    status.playlists = player.has_playlists;
    return status;
}

}  // namespace bridge::helper
