// The bridge as the host's player: the player's class registered in this
// process, and a hidden main window of the player's class that exists exactly
// while the helper follows a player, so the module attaches, lets go and
// attaches again as it does when the real player starts, quits and restarts.
// The window lives on a thread of its own: making and ending a window costs
// more than the widget's thread may spend in a call of the bridge.
#pragma once

#include "bridge/windows/helper_link.h"
#include "bridge/windows/player_menu.h"
#include "platform/win_owners.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace bridge::windows {

class PlayerSession {
public:
    // One at a time in a process: it stands for the player's class.
    explicit PlayerSession(std::wstring sessionPath);
    ~PlayerSession();
    PlayerSession(const PlayerSession&) = delete;
    PlayerSession& operator=(const PlayerSession&) = delete;

    bool registered() const { return static_cast<bool>(registration_); }
    HelperLink& client() { return *client_; }
    PlayerMenu& menu() { return menu_; }
    // The player's window while the helper follows a player, else null.
    HWND window() const { return window_; }

    // Has the window made or ended as the helper says now, without waiting
    // for it; a timer of this thread does so every half second.
    void Check();
    // For start-up only, before any widget is made: waits, at most that long,
    // for the helper's first answer and then for the window to be as it says,
    // so that a widget made next finds the player from its first second.
    void AwaitReady(std::chrono::milliseconds timeout);

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunWindowThread(HDESK desktop);

    std::shared_ptr<HelperLink> client_;
    PlayerMenu menu_;
    ClassObjectRegistration registration_;
    UniqueThreadTimer timer_;
    std::atomic<HWND> window_{nullptr};
    std::atomic<bool> wanted_{false};  // the window, as last asked for
    std::atomic<DWORD> windowThreadId_{0};
    std::thread windowThread_;
};

}  // namespace bridge::windows
