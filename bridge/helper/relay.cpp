#include "relay.h"

#include "mpris_properties.h"
#include "player_calls.h"
#include "session_file.h"
#include "uri.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace bridge::helper {
namespace {

std::string Ok(std::string_view payload = {}) {
    std::string line = "OK";
    if (!payload.empty()) (line += ' ') += payload;
    return line + '\n';
}

std::string Err(std::string_view reason) { return "ERR " + std::string(reason) + '\n'; }

std::optional<std::int64_t> ParseNumber(const std::string& text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "scheme:..." as URIs name it: a letter, then letters, digits, "+", "-" or ".".
bool HasScheme(const std::string& text) {
    std::size_t colon = text.find(':');
    if (colon == 0 || colon == std::string::npos || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
    return std::all_of(text.begin(), text.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

const char* PlayerMethodOf(wire::Command command) {
    switch (command) {
    case wire::Command::PlayPause: return "PlayPause";
    case wire::Command::Play: return "Play";
    case wire::Command::Pause: return "Pause";
    case wire::Command::Stop: return "Stop";
    case wire::Command::Next: return "Next";
    case wire::Command::Previous: return "Previous";
    default: return nullptr;
    }
}

}  // namespace

Relay::Relay(sd_bus* bus, sd_event* event, std::function<void()> waiting_changed)
    : bus_(bus),
      waiting_changed_(std::move(waiting_changed)),
      directory_(bus, [this] { PlayersChanged(); }),
      art_(event, [this] { waiting_changed_(); }),
      instance_(MakeToken().substr(0, 16)) {}

void Relay::PlayersChanged() {
    PlayerState* followed = Followed();
    std::string name = followed ? followed->bus_name : "";
    std::uint64_t appearance = followed ? followed->appearance : 0;
    if (name != followed_name_ || appearance != followed_appearance_) {
        followed_name_ = name;
        followed_appearance_ = appearance;
        ++generation_;
    }
    if (followed) art_.Prefetch(followed->track.art_url);
    // The art a request waits for may have moved elsewhere, or its player gone.
    waiting_changed_();
}

PlayerState* Relay::Followed() {
    std::vector<PlayerState*> players = directory_.Players();
    std::vector<FollowCandidate> candidates;
    for (const PlayerState* p : players)
        candidates.push_back({p->bus_name, p->state == wire::PlayState::Playing, p->playing_since, p->last_active});
    auto chosen = ChooseFollowed(candidates, pinned_);
    return chosen ? players[*chosen] : nullptr;
}

Answer Relay::Respond(std::string_view line) {
    auto request = wire::ParseRequest(line);
    if (!request) return {Err("unknown")};
    switch (request->command) {
    case wire::Command::Status: return {StatusReply()};
    case wire::Command::Players: return {PlayersReply()};
    case wire::Command::Pin: return {PinReply(request->argument)};
    case wire::Command::Art: return ArtAnswer(request->argument);
    default: break;
    }
    PlayerState* player = Followed();
    if (!player) return {request->command == wire::Command::Playlists ? Ok("0") : Err("no-player")};
    return PlayerReply(*player, *request);
}

std::string Relay::StatusReply() {
    PlayerState* player = Followed();
    wire::Status status = player ? StatusOf(*player, Clock::now()) : wire::Status{};
    status.generation = generation_;
    status.instance = instance_;
    if (player) status.owner = player->owner;
    return wire::FormatStatusReply(status) + '\n';
}

std::string Relay::PlayersReply() {
    std::vector<PlayerState*> players = directory_.Players();
    PlayerState* followed = Followed();
    std::string reply = Ok(std::to_string(players.size()));
    for (const PlayerState* p : players)
        reply += wire::FormatPlayerEntry({p->bus_name, p->identity, p->state, p == followed, p->bus_name == pinned_}) +
                 '\n';
    return reply;
}

std::string Relay::PinReply(const std::string& bus_name) {
    if (!bus_name.empty() && !directory_.Find(bus_name)) return Err("unknown-player");
    pinned_ = bus_name;
    PlayersChanged();
    return Ok();
}

// Named by its track, so a cover is never taken for another track's.
Answer Relay::ArtAnswer(const std::string& track) {
    PlayerState* player = Followed();
    if (!player || player->track.art_url.empty() || (!track.empty() && track != player->track.id))
        return {Err("none")};
    std::string bytes;
    switch (art_.Find(player->track.art_url, bytes)) {
    case ArtStore::Lookup::Pending: return {{}, true};
    case ArtStore::Lookup::Ready: return {Ok(std::to_string(bytes.size())) + bytes};
    case ArtStore::Lookup::None: break;
    }
    return {Err("none")};
}

Caller Relay::caller() {
    return {bus_, [this] { waiting_changed_(); }};
}

// The client's answer once the player has answered: "OK" or its failure.
AnswerWriter Outcome() {
    return [](const std::string& error, sd_bus_message*) { return error.empty() ? Ok() : Err(error); };
}

Answer Relay::PlayerReply(PlayerState& player, const wire::Request& request) {
    const std::string& argument = request.argument;
    if (const char* method = PlayerMethodOf(request.command))
        return Answer{CallPlayerMethod(caller(), player, kPlayerInterface, method, Outcome())};
    switch (request.command) {
    case wire::Command::Seek: {
        auto ms = ParseNumber(argument);
        if (!ms) return {Err("bad-argument")};
        if (!player.can_seek || player.track.id.empty()) return {Err("cannot")};
        std::int64_t position_us = std::clamp<std::int64_t>(*ms, 0, INT64_MAX / 1000) * 1000;
        if (player.track.length_us > 0) position_us = std::min(position_us, player.track.length_us);
        return Answer{SetPlayerPosition(caller(), player, position_us, Outcome())};
    }
    case wire::Command::Volume: return VolumeReply(player, argument);
    case wire::Command::Mute: return MuteReply(player, argument);
    case wire::Command::Open: {
        const bool path = !argument.empty() && argument[0] == '/';
        if (!path && !HasScheme(argument)) return {Err("bad-argument")};
        return Answer{OpenPlayerUri(caller(), player, path ? FileUriOf(argument) : argument, Outcome())};
    }
    case wire::Command::Quit:
        if (!player.can_quit) return {Err("cannot")};
        return Answer{CallPlayerMethod(caller(), player, kRootInterface, "Quit", Outcome())};
    case wire::Command::Raise:
        if (!player.can_raise) return {Err("cannot")};
        return Answer{CallPlayerMethod(caller(), player, kRootInterface, "Raise", Outcome())};
    case wire::Command::Playlists: return PlaylistsReply(player);
    case wire::Command::Activate:
        if (!player.has_playlists) return {Err("cannot")};
        if (argument.empty()) return {Err("bad-argument")};
        return Answer{ActivatePlayerPlaylist(caller(), player, argument, Outcome())};
    default: return {Err("unknown")};
    }
}

// The player's own volume is noted once it has taken the new one; by then it may have gone.
Answer Relay::VolumeReply(PlayerState& player, const std::string& argument) {
    auto percent = ParseNumber(argument);
    if (!percent) return {Err("bad-argument")};
    double volume = static_cast<double>(std::clamp<std::int64_t>(*percent, 0, 100)) / 100;
    return Answer{SetPlayerVolume(caller(), player, volume,
                            [this, name = player.bus_name, volume](const std::string& error, sd_bus_message*) {
                                if (!error.empty()) return Err(error);
                                if (PlayerState* now = directory_.Find(name)) SetOwnVolume(*now, volume);
                                return Ok();
                            })};
}

Answer Relay::MuteReply(PlayerState& player, const std::string& argument) {
    if (argument != "0" && argument != "1") return {Err("bad-argument")};
    bool mute = argument == "1";
    if (mute == player.muted) return {Ok()};
    return Answer{SetPlayerVolume(caller(), player, mute ? 0.0 : player.volume_before_mute,
                            [this, name = player.bus_name, mute](const std::string& error, sd_bus_message*) {
                                if (!error.empty()) return Err(error);
                                if (PlayerState* now = directory_.Find(name)) {
                                    if (mute)
                                        Mute(*now);
                                    else
                                        SetOwnVolume(*now, now->volume_before_mute);
                                }
                                return Ok();
                            })};
}

Answer Relay::PlaylistsReply(PlayerState& player) {
    if (!player.has_playlists) return {Ok("0")};
    return Answer{ListPlayerPlaylists(caller(), player, static_cast<std::uint32_t>(wire::kMaxListed),
                                [](const std::string& error, const std::vector<wire::PlaylistEntry>& playlists) {
                                    if (!error.empty()) return Err(error);
                                    std::string reply = Ok(std::to_string(playlists.size()));
                                    for (const wire::PlaylistEntry& playlist : playlists)
                                        reply += wire::FormatPlaylistEntry(playlist) + '\n';
                                    return reply;
                                })};
}

}  // namespace bridge::helper
