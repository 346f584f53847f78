#include "player_calls.h"

#include "mpris_properties.h"
#include "owners.h"
#include "players.h"

namespace bridge::helper {
namespace {

// Calls member with the arguments append adds; the reply, when wanted, goes to *reply.
template <class Append>
std::string Call(sd_bus* bus, const PlayerState& player, const char* interface, const char* member, Append append,
                 MessageOwner* reply = nullptr) {
    sd_bus_message* raw = nullptr;
    if (sd_bus_message_new_method_call(bus, &raw, player.owner.c_str(), kMprisPath, interface, member) < 0)
        return "failed";
    MessageOwner call(raw);
    if (append(call.get()) < 0) return "bad-argument";
    BusError error;
    sd_bus_message* answer = nullptr;
    int r = sd_bus_call(bus, call.get(), kCallTimeoutUsec, error.get(), &answer);
    MessageOwner answer_owner(answer);
    if (r < 0) return error.name() ? error.name() : "failed";
    if (reply) *reply = std::move(answer_owner);
    return {};
}

int NoArguments(sd_bus_message*) { return 0; }

}  // namespace

std::string CallPlayerMethod(sd_bus* bus, const PlayerState& player, const char* interface, const char* member) {
    return Call(bus, player, interface, member, NoArguments);
}

std::string SetPlayerPosition(sd_bus* bus, const PlayerState& player, std::int64_t position_us) {
    return Call(bus, player, kPlayerInterface, "SetPosition", [&](sd_bus_message* m) {
        return sd_bus_message_append(m, "ox", player.track.id.c_str(), position_us);
    });
}

std::string SetPlayerVolume(sd_bus* bus, const PlayerState& player, double volume) {
    return Call(bus, player, kPropertiesInterface, "Set", [&](sd_bus_message* m) {
        return sd_bus_message_append(m, "ssv", kPlayerInterface, "Volume", "d", volume);
    });
}

std::string OpenPlayerUri(sd_bus* bus, const PlayerState& player, const std::string& uri) {
    return Call(bus, player, kPlayerInterface, "OpenUri",
                [&](sd_bus_message* m) { return sd_bus_message_append(m, "s", uri.c_str()); });
}

std::string ActivatePlayerPlaylist(sd_bus* bus, const PlayerState& player, const std::string& object_path) {
    return Call(bus, player, kPlaylistsInterface, "ActivatePlaylist",
                [&](sd_bus_message* m) { return sd_bus_message_append(m, "o", object_path.c_str()); });
}

std::string ListPlayerPlaylists(sd_bus* bus, const PlayerState& player, std::uint32_t limit,
                                std::vector<wire::PlaylistEntry>& playlists) {
    MessageOwner reply;
    std::string error = Call(
        bus, player, kPlaylistsInterface, "GetPlaylists",
        [&](sd_bus_message* m) {
            return sd_bus_message_append(m, "uusb", 0u, limit, player.playlist_ordering.c_str(), 0);
        },
        &reply);
    if (!error.empty()) return error;
    if (sd_bus_message_enter_container(reply.get(), 'a', "(oss)") < 0) return "bad-reply";
    const char *path = nullptr, *name = nullptr, *icon = nullptr;
    int r = 0;
    // The player was asked for at most limit; a longer answer is cut there.
    while (playlists.size() < limit && (r = sd_bus_message_read(reply.get(), "(oss)", &path, &name, &icon)) > 0)
        playlists.push_back({path, name});
    return r < 0 ? "bad-reply" : "";
}

}  // namespace bridge::helper
