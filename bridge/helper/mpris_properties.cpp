#include "mpris_properties.h"

#include <cstring>
#include <string_view>
#include <tuple>
#include <vector>

namespace bridge::helper {
namespace {

// Calls read(name) for each entry of an a{sv}; read consumes the variant.
template <class Read>
int ForEachProperty(sd_bus_message* m, Read read) {
    int r = sd_bus_message_enter_container(m, 'a', "{sv}");
    if (r < 0) return r;
    while ((r = sd_bus_message_enter_container(m, 'e', "sv")) > 0) {
        const char* name = nullptr;
        if ((r = sd_bus_message_read_basic(m, 's', &name)) < 0) return r;
        if ((r = read(std::string_view(name))) < 0) return r;
        if ((r = sd_bus_message_exit_container(m)) < 0) return r;
    }
    if (r < 0) return r;
    return sd_bus_message_exit_container(m);
}

// Enters the variant when it holds one of the signatures; else skips it and gives 0.
int EnterVariantOf(sd_bus_message* m, std::initializer_list<const char*> signatures, const char** found) {
    char type = 0;
    const char* contents = nullptr;
    int r = sd_bus_message_peek_type(m, &type, &contents);
    if (r < 0) return r;
    for (const char* signature : signatures) {
        if (type == 'v' && contents && std::strcmp(contents, signature) == 0) {
            *found = signature;
            return sd_bus_message_enter_container(m, 'v', signature) < 0 ? -EBADMSG : 1;
        }
    }
    r = sd_bus_message_skip(m, "v");
    return r < 0 ? r : 0;
}

int ReadStrings(sd_bus_message* m, std::vector<std::string>& items) {
    int r = sd_bus_message_enter_container(m, 'a', "s");
    if (r < 0) return r;
    const char* item = nullptr;
    while ((r = sd_bus_message_read_basic(m, 's', &item)) > 0) items.emplace_back(item);
    if (r < 0) return r;
    return sd_bus_message_exit_container(m);
}

// One reader per kind of value; each leaves the value alone for other types.
int ReadValue(sd_bus_message* m, std::string& out) {
    const char* signature = nullptr;
    int r = EnterVariantOf(m, {"s", "o"}, &signature);
    if (r <= 0) return r;
    const char* text = nullptr;
    if ((r = sd_bus_message_read_basic(m, signature[0], &text)) < 0) return r;
    out = text;
    return sd_bus_message_exit_container(m);
}

// Lists joined with ", "; a single string (as some players send a genre) as is.
int ReadJoined(sd_bus_message* m, std::string& out) {
    const char* signature = nullptr;
    int r = EnterVariantOf(m, {"as", "s"}, &signature);
    if (r <= 0) return r;
    if (signature[0] == 's') {
        const char* text = nullptr;
        if ((r = sd_bus_message_read_basic(m, 's', &text)) < 0) return r;
        out = text;
    } else {
        std::vector<std::string> items;
        if ((r = ReadStrings(m, items)) < 0) return r;
        out.clear();
        for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
    }
    return sd_bus_message_exit_container(m);
}

int ReadValue(sd_bus_message* m, std::int64_t& out) {
    const char* signature = nullptr;
    int r = EnterVariantOf(m, {"x", "t", "i", "u"}, &signature);
    if (r <= 0) return r;
    union {
        std::int64_t x;
        std::uint64_t t;
        std::int32_t i;
        std::uint32_t u;
    } value{};
    if ((r = sd_bus_message_read_basic(m, signature[0], &value)) < 0) return r;
    switch (signature[0]) {
    case 'x': out = value.x; break;
    case 't': out = value.t > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(value.t); break;
    case 'i': out = value.i; break;
    default: out = value.u; break;
    }
    return sd_bus_message_exit_container(m);
}

int ReadValue(sd_bus_message* m, double& out) {
    const char* signature = nullptr;
    int r = EnterVariantOf(m, {"d"}, &signature);
    if (r <= 0) return r;
    if ((r = sd_bus_message_read_basic(m, 'd', &out)) < 0) return r;
    return sd_bus_message_exit_container(m);
}

int ReadValue(sd_bus_message* m, bool& out) {
    const char* signature = nullptr;
    int r = EnterVariantOf(m, {"b"}, &signature);
    if (r <= 0) return r;
    int value = 0;
    if ((r = sd_bus_message_read_basic(m, 'b', &value)) < 0) return r;
    out = value != 0;
    return sd_bus_message_exit_container(m);
}

int ReadMetadata(sd_bus_message* m, TrackInfo& track) {
    const char* signature = nullptr;
    int r = EnterVariantOf(m, {"a{sv}"}, &signature);
    if (r <= 0) return r;
    r = ForEachProperty(m, [&](std::string_view key) {
        if (key == "mpris:trackid") return ReadValue(m, track.id);
        if (key == "xesam:title") return ReadValue(m, track.title);
        if (key == "xesam:artist") return ReadJoined(m, track.artist);
        if (key == "xesam:album") return ReadValue(m, track.album);
        if (key == "xesam:genre") return ReadJoined(m, track.genre);
        if (key == "mpris:artUrl") return ReadValue(m, track.art_url);
        if (key == "mpris:length") return ReadValue(m, track.length_us);
        if (key == "xesam:userRating") return ReadValue(m, track.rating);
        return sd_bus_message_skip(m, "v");
    });
    if (r < 0) return r;
    if (track.length_us < 0) track.length_us = 0;
    return sd_bus_message_exit_container(m);
}

bool SameTrack(const TrackInfo& a, const TrackInfo& b) {
    auto fields = [](const TrackInfo& t) {
        return std::tie(t.id, t.title, t.artist, t.album, t.genre, t.art_url, t.length_us, t.rating);
    };
    return fields(a) == fields(b);
}

std::optional<wire::PlayState> PlayStateOf(std::string_view status) {
    if (status == "Playing") return wire::PlayState::Playing;
    if (status == "Paused") return wire::PlayState::Paused;
    if (status == "Stopped") return wire::PlayState::Stopped;
    return std::nullopt;
}

}  // namespace

int ApplyPlayerProperties(sd_bus_message* m, PlayerState& player, Clock::time_point now, PlayerChanges& changes) {
    return ForEachProperty(m, [&](std::string_view name) {
        int r = 0;
        if (name == "PlaybackStatus") {
            std::string status;
            if ((r = ReadValue(m, status)) < 0) return r;
            auto state = PlayStateOf(status);
            if (state && *state != player.state) {
                SetPlayState(player, *state, now);
                changes.playback = true;
            }
        } else if (name == "Metadata") {
            TrackInfo track;
            if ((r = ReadMetadata(m, track)) < 0) return r;
            if (!SameTrack(track, player.track)) {
                player.track = std::move(track);
                changes.track = true;
            }
        } else if (name == "Position") {
            std::int64_t position = player.position_us;
            if ((r = ReadValue(m, position)) < 0) return r;
            SetPosition(player, position, now);
        } else if (name == "Rate") {
            double rate = player.rate;
            if ((r = ReadValue(m, rate)) < 0) return r;
            SetRate(player, rate, now);
        } else if (name == "Volume") {
            double volume = player.volume;
            if ((r = ReadValue(m, volume)) < 0) return r;
            SetReportedVolume(player, volume);
        } else if (name == "CanSeek") {
            r = ReadValue(m, player.can_seek);
        } else {
            r = sd_bus_message_skip(m, "v");
        }
        return r;
    });
}

int ApplyRootProperties(sd_bus_message* m, PlayerState& player) {
    return ForEachProperty(m, [&](std::string_view name) {
        if (name == "Identity") return ReadValue(m, player.identity);
        if (name == "CanQuit") return ReadValue(m, player.can_quit);
        if (name == "CanRaise") return ReadValue(m, player.can_raise);
        return sd_bus_message_skip(m, "v");
    });
}

int ApplyPlaylistsProperties(sd_bus_message* m, PlayerState& player) {
    return ForEachProperty(m, [&](std::string_view name) {
        if (name != "Orderings") return sd_bus_message_skip(m, "v");
        const char* signature = nullptr;
        int r = EnterVariantOf(m, {"as"}, &signature);
        if (r <= 0) return r;
        std::vector<std::string> orderings;
        if ((r = ReadStrings(m, orderings)) < 0) return r;
        // A player offering playlists names at least one ordering to list them by.
        player.has_playlists = !orderings.empty();
        if (player.has_playlists) player.playlist_ordering = orderings.front();
        return sd_bus_message_exit_container(m);
    });
}

}  // namespace bridge::helper
