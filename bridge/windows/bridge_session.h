// The bridge as the host's player: the player's class registered in this
// process, and a hidden main window of the player's class that exists exactly
// while the helper follows a player, so the module attaches, lets go and
// attaches again as it does when the real player starts, quits and restarts.
// The window is made once, and stands for the player by being a top-level
// window (which the module finds) or a message-only one (which it does not):
// moving it costs the widget's thread far less than making and ending it.
#pragma once

#include "bridge/windows/bridge_client.h"
#include "bridge/windows/player_menu.h"
#include "platform/win_owners.h"

#include <memory>
#include <string>

namespace mpris {

class BridgeSession {
public:
    // One at a time in a process: it stands for the player's class.
    explicit BridgeSession(std::wstring sessionPath);
    ~BridgeSession();
    BridgeSession(const BridgeSession&) = delete;
    BridgeSession& operator=(const BridgeSession&) = delete;

    bool registered() const { return static_cast<bool>(registration_); }
    BridgeClient& client() { return *client_; }
    PlayerMenu& menu() { return menu_; }
    // The player's window while the helper follows a player, else null.
    HWND window() const { return shown_ ? window_.get() : nullptr; }

    // Shows the window to the module or takes it away as the helper says now;
    // a timer of this thread does so every half second.
    void Check();

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::shared_ptr<BridgeClient> client_;
    PlayerMenu menu_;
    ClassObjectRegistration registration_;
    UniqueThreadTimer timer_;
    UniqueWindow window_;
    bool shown_ = false;  // a top-level window, which the module finds
};

}  // namespace mpris
