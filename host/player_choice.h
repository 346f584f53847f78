// Which player the widgets talk to: the real one when it is installed, the
// simulated one otherwise or when asked for.
#pragma once

#include <string>

namespace host {

enum class PlayerChoice { Simulated, Real };

// Whether the real player's application class is registered.
bool RealPlayerInstalled();
// "sim" or "real" as asked; anything else (empty) chooses by what is installed.
PlayerChoice ChoosePlayer(const std::string& asked);

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
