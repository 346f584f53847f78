#include "host/player_choice.h"

#include "bridge/windows/helper_link.h"
#include "sim/player.h"

#include <windows.h>

#include <utility>

namespace host {

bool RealPlayerInstalled() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{DC0C2640-1415-4644-875C-6F4D769839BA}", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

namespace {

// What the bridge would give now: whether its helper follows a player, and who or why not.
std::pair<bool, std::string> BridgePlayer(const std::wstring& session) {
    bridge::windows::HelperLink bridge(session);
    // Start-up may wait for the helper's first answer; the widget never does.
    bridge.AwaitFirstAnswer(std::chrono::milliseconds(2 * bridge::windows::kReplyDueMs));
    const std::shared_ptr<const bridge::windows::Status> status = bridge.CurrentStatus();
    if (!status) return {false, bridge.problem()};
    if (!status->connected) return {false, "the bridge's helper finds no MPRIS player on the session bus"};
    return {true, "the bridge's helper follows " + status->identity + " (" + status->player + ")"};
}

}  // namespace

PlayerDecision ChoosePlayer(const std::string& asked, const std::wstring& bridgeSession) {
    if (asked == "sim") return {PlayerChoice::Simulated, "asked for"};
    if (asked == "real") return {PlayerChoice::Real, "asked for"};
    if (asked == "mpris") return {PlayerChoice::Bridge, "asked for; now " + BridgePlayer(bridgeSession).second};
    if (RealPlayerInstalled()) return {PlayerChoice::Real, "its application class is registered"};
    auto [following, bridge] = BridgePlayer(bridgeSession);
    if (following) return {PlayerChoice::Bridge, "no Windows player is installed; " + bridge};
    return {PlayerChoice::Simulated, "no Windows player is installed, and " + bridge};
}

const char* PlayerName(PlayerChoice choice) {
    switch (choice) {
    case PlayerChoice::Real: return "real";
    case PlayerChoice::Bridge: return "mpris";
    case PlayerChoice::Simulated: break;
    }
    return "simulated";
}

SimulatedPlayerSession::SimulatedPlayerSession() {
    sim::Player& player = sim::Player::Get();
    player.Reset();
    player.clock().UseRealTime();
    player.Register();
    // Running in the background, like a player the user left minimised.
    player.Start(false);
    player.SetCurrentTrack(0);
    player.SetPlaying(true);
}

SimulatedPlayerSession::~SimulatedPlayerSession() {
    sim::Player& player = sim::Player::Get();
    if (player.Running()) player.Quit();
    player.Revoke();
}

}  // namespace host
