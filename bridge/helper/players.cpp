#include "players.h"

#include "mpris_properties.h"

#include <algorithm>
#include <cstring>

namespace bridge::helper {
namespace {

constexpr const char* kBusService = "org.freedesktop.DBus";
constexpr const char* kBusPath = "/org/freedesktop/DBus";
constexpr std::string_view kMprisPrefix = "org.mpris.MediaPlayer2.";

bool IsPlayerName(std::string_view name) {
    return name.size() > kMprisPrefix.size() && name.substr(0, kMprisPrefix.size()) == kMprisPrefix;
}

std::string SenderOf(sd_bus_message* message) {
    const char* sender = sd_bus_message_get_sender(message);
    return sender ? sender : "";
}

}  // namespace

PlayerDirectory::PlayerDirectory(sd_bus* bus, std::function<void()> changed)
    : bus_(bus), changed_(std::move(changed)) {}

int PlayerDirectory::Start() {
    const std::pair<const char*, sd_bus_message_handler_t> subscriptions[] = {
        {"type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',"
         "member='NameOwnerChanged',arg0namespace='org.mpris.MediaPlayer2'",
         OnNameOwnerChanged},
        {"type='signal',interface='org.freedesktop.DBus.Properties',member='PropertiesChanged',"
         "path='/org/mpris/MediaPlayer2'",
         OnPropertiesChanged},
        {"type='signal',interface='org.mpris.MediaPlayer2.Player',member='Seeked',path='/org/mpris/MediaPlayer2'",
         OnSeeked},
    };
    for (auto [rule, handler] : subscriptions) {
        sd_bus_slot* slot = nullptr;
        int r = sd_bus_add_match(bus_, &slot, rule, handler, this);
        if (r < 0) return r;
        matches_.emplace_back(slot);
    }
    // Listed after subscribing, so a player arriving in between is not missed.
    sd_bus_message* raw = nullptr;
    int r = sd_bus_message_new_method_call(bus_, &raw, kBusService, kBusPath, kBusService, "ListNames");
    MessageOwner call(raw);
    if (r < 0) return r;
    sd_bus_slot* slot = nullptr;
    r = sd_bus_call_async(bus_, &slot, call.get(), OnNames, this, kCallTimeoutUsec);
    names_call_.reset(slot);
    return r;
}

std::vector<PlayerState*> PlayerDirectory::Players() {
    std::vector<PlayerState*> players;
    for (auto& [name, player] : players_)
        if (player.ready) players.push_back(&player.state);
    return players;
}

PlayerState* PlayerDirectory::Find(const std::string& bus_name) {
    auto found = players_.find(bus_name);
    return found == players_.end() || !found->second.ready ? nullptr : &found->second.state;
}

void PlayerDirectory::Appear(const std::string& bus_name, const std::string& owner) {
    auto found = players_.find(bus_name);
    if (found != players_.end() && !owner.empty() && found->second.state.owner == owner) return;
    // A new owner is a new player: what the old one had, and its calls, go.
    Player& player = players_[bus_name];
    player = Player{};
    player.state.bus_name = bus_name;
    player.state.owner = owner;
    player.state.appearance = ++appearances_;
    player.state.last_active = Clock::now();
    if (owner.empty())
        Call(player, kBusService, kBusService, "GetNameOwner", bus_name.c_str(), nullptr, &PlayerDirectory::OnOwner);
    else
        ReadAll(player);
}

void PlayerDirectory::Leave(const std::string& bus_name) { players_.erase(bus_name); }

void PlayerDirectory::Call(Player& player, const char* destination, const char* interface, const char* member,
                           const char* argument1, const char* argument2, ReplyHandler handler) {
    const char* path = std::strcmp(destination, kBusService) == 0 ? kBusPath : kMprisPath;
    sd_bus_message* raw = nullptr;
    if (sd_bus_message_new_method_call(bus_, &raw, destination, path, interface, member) < 0) return;
    MessageOwner call(raw);
    int r = argument2 ? sd_bus_message_append(call.get(), "ss", argument1, argument2)
                      : sd_bus_message_append(call.get(), "s", argument1);
    sd_bus_slot* slot = nullptr;
    if (r < 0 || sd_bus_call_async(bus_, &slot, call.get(), OnReply, this, kCallTimeoutUsec) < 0) return;
    player.calls.push_back({SlotOwner(slot), handler});
}

void PlayerDirectory::ReadProperties(Player& player, const char* interface, ReplyHandler handler) {
    Call(player, player.state.owner.c_str(), kPropertiesInterface, "GetAll", interface, nullptr, handler);
}

PlayerDirectory::ReplyHandler PlayerDirectory::PropertiesHandler(std::string_view interface) {
    if (interface == kPlayerInterface) return &PlayerDirectory::OnPlayerProperties;
    if (interface == kRootInterface) return &PlayerDirectory::OnRootProperties;
    if (interface == kPlaylistsInterface) return &PlayerDirectory::OnPlaylistsProperties;
    return nullptr;
}

// The player's own properties last: a player answers in order, so once they
// are in, its name and abilities are too.
void PlayerDirectory::ReadAll(Player& player) {
    ReadProperties(player, kRootInterface, &PlayerDirectory::OnRootProperties);
    ReadProperties(player, kPlaylistsInterface, &PlayerDirectory::OnPlaylistsProperties);
    ReadProperties(player, kPlayerInterface, &PlayerDirectory::OnPlayerProperties);
}

void PlayerDirectory::ReadPosition(Player& player) {
    Call(player, player.state.owner.c_str(), kPropertiesInterface, "Get", kPlayerInterface, "Position",
         &PlayerDirectory::OnPosition);
}

void PlayerDirectory::OnOwner(Player& player, sd_bus_message* reply) {
    const char* owner = nullptr;
    if (sd_bus_message_read_basic(reply, 's', &owner) <= 0) return;
    player.state.owner = owner;
    ReadAll(player);
}

// The position jumps when the track or the playback state changes: read it
// again rather than trust the interpolation across the change.
void PlayerDirectory::OnPlayerProperties(Player& player, sd_bus_message* properties) {
    PlayerChanges changes;
    ApplyPlayerProperties(properties, player.state, Clock::now(), changes);
    if (changes.track || changes.playback) ReadPosition(player);
}

void PlayerDirectory::OnRootProperties(Player& player, sd_bus_message* reply) {
    ApplyRootProperties(reply, player.state);
}

void PlayerDirectory::OnPlaylistsProperties(Player& player, sd_bus_message* reply) {
    ApplyPlaylistsProperties(reply, player.state);
}

void PlayerDirectory::OnPosition(Player& player, sd_bus_message* reply) {
    std::int64_t position = 0;
    if (sd_bus_message_read(reply, "v", "x", &position) > 0) SetPosition(player.state, position, Clock::now());
}

int PlayerDirectory::OnReply(sd_bus_message* reply, void* self_pointer, sd_bus_error*) {
    auto* self = static_cast<PlayerDirectory*>(self_pointer);
    sd_bus_slot* slot = sd_bus_get_current_slot(self->bus_);
    for (auto& [name, player] : self->players_) {
        auto call = std::find_if(player.calls.begin(), player.calls.end(),
                                 [&](const PendingCall& c) { return c.slot.get() == slot; });
        if (call == player.calls.end()) continue;
        ReplyHandler handler = call->handler;
        // The bus holds the slot while this runs, so it may go now.
        player.calls.erase(call);
        // An error reply (a timeout, a player without that interface) leaves the state as it was.
        if (!sd_bus_message_is_method_error(reply, nullptr)) (self->*handler)(player, reply);
        if (handler == &PlayerDirectory::OnPlayerProperties) player.ready = true;
        self->changed_();
        break;
    }
    return 0;
}

int PlayerDirectory::OnNames(sd_bus_message* reply, void* self_pointer, sd_bus_error*) {
    auto* self = static_cast<PlayerDirectory*>(self_pointer);
    self->names_call_.reset();
    if (sd_bus_message_is_method_error(reply, nullptr) || sd_bus_message_enter_container(reply, 'a', "s") < 0)
        return 0;
    const char* name = nullptr;
    while (sd_bus_message_read_basic(reply, 's', &name) > 0)
        if (IsPlayerName(name) && !self->players_.count(name)) self->Appear(name, "");
    self->changed_();
    return 0;
}

int PlayerDirectory::OnNameOwnerChanged(sd_bus_message* signal, void* self_pointer, sd_bus_error*) {
    auto* self = static_cast<PlayerDirectory*>(self_pointer);
    const char *name = nullptr, *old_owner = nullptr, *new_owner = nullptr;
    if (sd_bus_message_read(signal, "sss", &name, &old_owner, &new_owner) < 0 || !IsPlayerName(name)) return 0;
    if (*new_owner)
        self->Appear(name, new_owner);
    else
        self->Leave(name);
    self->changed_();
    return 0;
}

int PlayerDirectory::OnPropertiesChanged(sd_bus_message* signal, void* self_pointer, sd_bus_error*) {
    auto* self = static_cast<PlayerDirectory*>(self_pointer);
    std::string sender = SenderOf(signal);
    bool any = false;
    for (auto& [name, player] : self->players_) {
        if (player.state.owner != sender) continue;
        // One connection may hold several player names: each reads the signal afresh.
        const char* interface = nullptr;
        if (sd_bus_message_rewind(signal, true) < 0 || sd_bus_message_read_basic(signal, 's', &interface) <= 0)
            return 0;
        ReplyHandler handler = PropertiesHandler(interface);
        if (!handler) continue;
        // The changed values come as a GetAll reply would give them.
        (self->*handler)(player, signal);
        // Properties named without their value: read the interface again.
        if (sd_bus_message_enter_container(signal, 'a', "s") > 0 && sd_bus_message_at_end(signal, false) == 0)
            self->ReadProperties(player, interface, handler);
        any = true;
    }
    if (any) self->changed_();
    return 0;
}

int PlayerDirectory::OnSeeked(sd_bus_message* signal, void* self_pointer, sd_bus_error*) {
    auto* self = static_cast<PlayerDirectory*>(self_pointer);
    std::string sender = SenderOf(signal);
    std::int64_t position = 0;
    if (sd_bus_message_read_basic(signal, 'x', &position) <= 0) return 0;
    for (auto& [name, player] : self->players_)
        if (player.state.owner == sender) SetPosition(player.state, position, Clock::now());
    self->changed_();
    return 0;
}

}  // namespace bridge::helper
