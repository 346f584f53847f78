#include "host/player_choice.h"

#include "sim/player.h"

#include <windows.h>

namespace host {

bool RealPlayerInstalled() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{DC0C2640-1415-4644-875C-6F4D769839BA}", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

PlayerChoice ChoosePlayer(const std::string& asked) {
    if (asked == "sim") return PlayerChoice::Simulated;
    if (asked == "real") return PlayerChoice::Real;
    return RealPlayerInstalled() ? PlayerChoice::Real : PlayerChoice::Simulated;
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
