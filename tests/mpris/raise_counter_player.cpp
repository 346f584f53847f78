// A small MPRIS player for the bridge's tests: paused on one track, it can be
// raised (mpv cannot), and writes a line to a file for each Raise it is asked.
// "slow": it answers a Raise only after 3 s, holding all else meanwhile, as a
// busy player does. Usage: quillbridge_raise_player BUS_NAME_SUFFIX COUNT_FILE [slow]
#include <systemd/sd-bus.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

struct Player {
    int canRaise = 1, canQuit = 0, no = 0, yes = 1;
    const char* identity = "Raise counter";
    const char* status = "Paused";
    double volume = 0.5;
    std::int64_t position = 0;
    const char* countFile = nullptr;
    bool slow = false;
};

int GetBool(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* value, sd_bus_error*) {
    return sd_bus_message_append(reply, "b", *static_cast<int*>(value));
}
int GetString(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* value, sd_bus_error*) {
    return sd_bus_message_append(reply, "s", *static_cast<const char**>(value));
}
int GetDouble(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* value, sd_bus_error*) {
    return sd_bus_message_append(reply, "d", *static_cast<double*>(value));
}
int GetInt64(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* value, sd_bus_error*) {
    return sd_bus_message_append(reply, "x", *static_cast<std::int64_t*>(value));
}
int GetMetadata(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*, sd_bus_error*) {
    return sd_bus_message_append(reply, "a{sv}", 3, "mpris:trackid", "o", "/org/quillbracket/track/1", "xesam:title",
                                 "s", "Raised track", "mpris:length", "x", std::int64_t{60'000'000});
}

int OnRaise(sd_bus_message* call, void* self, sd_bus_error*) {
    if (std::FILE* file = std::fopen(static_cast<Player*>(self)->countFile, "a")) {
        std::fputs("raise\n", file);
        std::fclose(file);
    }
    if (static_cast<Player*>(self)->slow) sleep(3);
    return sd_bus_reply_method_return(call, "");
}
int OnIgnored(sd_bus_message* call, void*, sd_bus_error*) { return sd_bus_reply_method_return(call, ""); }

#define QB_FIELD(name) offsetof(Player, name)
const sd_bus_vtable kRoot[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Raise", "", "", OnRaise, 0),
    SD_BUS_METHOD("Quit", "", "", OnIgnored, 0),
    SD_BUS_PROPERTY("CanRaise", "b", GetBool, QB_FIELD(canRaise), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("CanQuit", "b", GetBool, QB_FIELD(canQuit), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("HasTrackList", "b", GetBool, QB_FIELD(no), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Identity", "s", GetString, QB_FIELD(identity), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_VTABLE_END,
};
const sd_bus_vtable kPlayer[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Play", "", "", OnIgnored, 0),
    SD_BUS_METHOD("Pause", "", "", OnIgnored, 0),
    SD_BUS_METHOD("PlayPause", "", "", OnIgnored, 0),
    SD_BUS_METHOD("Stop", "", "", OnIgnored, 0),
    SD_BUS_METHOD("Next", "", "", OnIgnored, 0),
    SD_BUS_METHOD("Previous", "", "", OnIgnored, 0),
    SD_BUS_PROPERTY("PlaybackStatus", "s", GetString, QB_FIELD(status), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Metadata", "a{sv}", GetMetadata, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Volume", "d", GetDouble, QB_FIELD(volume), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Position", "x", GetInt64, QB_FIELD(position), 0),
    SD_BUS_PROPERTY("CanSeek", "b", GetBool, QB_FIELD(no), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("CanControl", "b", GetBool, QB_FIELD(yes), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("CanPlay", "b", GetBool, QB_FIELD(yes), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("CanPause", "b", GetBool, QB_FIELD(yes), SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_VTABLE_END,
};
#undef QB_FIELD

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "slow")) {
        std::fputs("usage: quillbridge_raise_player BUS_NAME_SUFFIX COUNT_FILE [slow]\n", stderr);
        return 2;
    }
    Player player;
    player.countFile = argv[2];
    player.slow = argc == 4;
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0) return 1;
    const std::string name = std::string("org.mpris.MediaPlayer2.") + argv[1];
    if (sd_bus_add_object_vtable(bus, nullptr, "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2", kRoot, &player) <
            0 ||
        sd_bus_add_object_vtable(bus, nullptr, "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Player", kPlayer,
                                 &player) < 0 ||
        sd_bus_request_name(bus, name.c_str(), 0) < 0)
        return 1;
    for (;;) {
        const int r = sd_bus_process(bus, nullptr);
        if (r < 0) return 1;
        if (r == 0 && sd_bus_wait(bus, UINT64_MAX) < 0) return 1;
    }
}
