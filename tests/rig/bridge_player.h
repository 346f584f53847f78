// The player bridge as the tests' player: the bridge registered for the
// player's class in place of the simulated player, and waits that pump the
// messages (the bridge's timer among them) until a condition holds. For the
// bridge's programs, which link it.
#pragma once

#include "bridge/windows/player_session.h"
#include "bridge/windows/session_reader.h"
#include "rig/rig.h"
#include "rig/shell_requests.h"
#include "sim/player.h"

#include <string>

namespace rig {

// Pumps messages until done() or 10 s are over.
template <class Done>
bool Eventually(Done&& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        PumpFor(50);
    }
    return done();
}

// The test's shell answers the request so, now or within 10 s.
inline bool ShellSays(const std::string& request, const std::string& expected) {
    return Eventually([&] { return AskShell(request) == expected; });
}

struct BridgeAsPlayer {
    // The session file given, else the one the shell names.
    explicit BridgeAsPlayer(const std::string& sessionFile = {})
        : revoked((sim::Player::Get().Revoke(), true)), session(bridge::windows::SessionPathFor(sessionFile)) {}

    bool revoked;
    bridge::windows::PlayerSession session;
};

}  // namespace rig
