#include "player_calls.h"

#include "mpris_properties.h"
#include "owners.h"
#include "players.h"

namespace bridge::helper {
namespace {

// What a call's reply needs: freed with its slot, whether or not the reply came.
struct CallState {
    std::weak_ptr<PendingAnswer> answer;
    AnswerWriter write;
    std::function<void()> settled;
};

int OnCallReply(sd_bus_message* reply, void* userdata, sd_bus_error*) {
    auto* state = static_cast<CallState*>(userdata);
    if (std::shared_ptr<PendingAnswer> answer = state->answer.lock()) {
        const sd_bus_error* error = sd_bus_message_get_error(reply);
        answer->bytes = error ? state->write(error->name ? error->name : "failed", nullptr) : state->write({}, reply);
        state->settled();
    }
    return 0;
}

void FreeCallState(void* userdata) { delete static_cast<CallState*>(userdata); }

// Calls member with the arguments append adds.
template <class Append>
std::shared_ptr<PendingAnswer> Call(const Caller& caller, const PlayerState& player, const char* interface,
                                    const char* member, Append append, AnswerWriter write) {
    auto answer = std::make_shared<PendingAnswer>();
    sd_bus_message* raw = nullptr;
    if (sd_bus_message_new_method_call(caller.bus, &raw, player.owner.c_str(), kMprisPath, interface, member) < 0) {
        answer->bytes = write("failed", nullptr);
        return answer;
    }
    MessageOwner call(raw);
    if (append(call.get()) < 0) {
        answer->bytes = write("bad-argument", nullptr);
        return answer;
    }
    auto state = std::make_unique<CallState>(CallState{answer, std::move(write), caller.settled});
    sd_bus_slot* slot = nullptr;
    if (sd_bus_call_async(caller.bus, &slot, call.get(), OnCallReply, state.get(), kCallTimeoutUsec) < 0) {
        answer->bytes = state->write("failed", nullptr);
        return answer;
    }
    answer->slot.reset(slot);
    sd_bus_slot_set_destroy_callback(slot, FreeCallState);
    state.release();  // the slot's now
    return answer;
}

int NoArguments(sd_bus_message*) { return 0; }

}  // namespace

std::shared_ptr<PendingAnswer> CallPlayerMethod(const Caller& caller, const PlayerState& player, const char* interface,
                                                const char* member, AnswerWriter write) {
    return Call(caller, player, interface, member, NoArguments, std::move(write));
}

std::shared_ptr<PendingAnswer> SetPlayerPosition(const Caller& caller, const PlayerState& player,
                                                 std::int64_t position_us, AnswerWriter write) {
    return Call(
        caller, player, kPlayerInterface, "SetPosition",
        [&](sd_bus_message* m) { return sd_bus_message_append(m, "ox", player.track.id.c_str(), position_us); },
        std::move(write));
}

std::shared_ptr<PendingAnswer> SetPlayerVolume(const Caller& caller, const PlayerState& player, double volume,
                                               AnswerWriter write) {
    return Call(
        caller, player, kPropertiesInterface, "Set",
        [&](sd_bus_message* m) { return sd_bus_message_append(m, "ssv", kPlayerInterface, "Volume", "d", volume); },
        std::move(write));
}

std::shared_ptr<PendingAnswer> OpenPlayerUri(const Caller& caller, const PlayerState& player, const std::string& uri,
                                             AnswerWriter write) {
    return Call(
        caller, player, kPlayerInterface, "OpenUri",
        [&](sd_bus_message* m) { return sd_bus_message_append(m, "s", uri.c_str()); }, std::move(write));
}

std::shared_ptr<PendingAnswer> ActivatePlayerPlaylist(const Caller& caller, const PlayerState& player,
                                                      const std::string& object_path, AnswerWriter write) {
    return Call(
        caller, player, kPlaylistsInterface, "ActivatePlaylist",
        [&](sd_bus_message* m) { return sd_bus_message_append(m, "o", object_path.c_str()); }, std::move(write));
}

std::shared_ptr<PendingAnswer> ListPlayerPlaylists(
    const Caller& caller, const PlayerState& player, std::uint32_t limit,
    std::function<std::string(const std::string& error, const std::vector<wire::PlaylistEntry>& playlists)> write) {
    return Call(
        caller, player, kPlaylistsInterface, "GetPlaylists",
        [&](sd_bus_message* m) {
            return sd_bus_message_append(m, "uusb", 0u, limit, player.playlist_ordering.c_str(), 0);
        },
        [limit, write = std::move(write)](const std::string& error, sd_bus_message* reply) {
            std::vector<wire::PlaylistEntry> playlists;
            if (!error.empty()) return write(error, playlists);
            if (sd_bus_message_enter_container(reply, 'a', "(oss)") < 0) return write("bad-reply", playlists);
            const char *path = nullptr, *name = nullptr, *icon = nullptr;
            int r = 0;
            // The player was asked for at most limit; a longer answer is cut there.
            while (playlists.size() < limit && (r = sd_bus_message_read(reply, "(oss)", &path, &name, &icon)) > 0)
                playlists.push_back({path, name});
            return r < 0 ? write("bad-reply", {}) : write({}, playlists);
        });
}

}  // namespace bridge::helper
