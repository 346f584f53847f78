// Which player the widgets talk to: the real one when it is installed, else
// the desktop's player through the bridge when its helper follows one, else
// the simulated one; or the one asked for.
#pragma once

#include <string>

namespace host {

enum class PlayerChoice { Simulated, Real, Bridge };

struct PlayerDecision {
    PlayerChoice choice;
    std::string reason;  // for the user, e.g. "the bridge's helper follows mpv"
};

// Whether the real player's application class is registered.
bool RealPlayerInstalled();
// "sim", "real" or "mpris" as asked; "auto" chooses by what is there.
// bridgeSession is the helper's session file.
PlayerDecision ChoosePlayer(const std::string& asked, const std::wstring& bridgeSession);
// "simulated", "real", "mpris".
const char* PlayerName(PlayerChoice choice);

// The simulated player on a real-time clock, registered in this process and
// running, while this object lives.
class SimulatedPlayerSession {
public:
    SimulatedPlayerSession();
    ~SimulatedPlayerSession();
    SimulatedPlayerSession(const SimulatedPlayerSession&) = delete;
    SimulatedPlayerSession& operator=(const SimulatedPlayerSession&) = delete;
};

}  // namespace host
