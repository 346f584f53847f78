// The widget's hold on the player: its application object while attached,
// and the library addition whose first track plays once it has finished.
// The rules for reaching the player are named here, once, for every caller.
#pragma once

#include "platform/itunes_app.h"

// How a request of the user's reaches the player before acting on it.
struct PlayerRequest {
    bool probeHeld;    // a held object is asked whether it still answers, else a running player attached
    bool hideStarted;  // a player this request has to start gets the hide setting
};
// Clicks and the menu: probe, start, and hide what they started.
constexpr PlayerRequest kClickRequest{true, true};
// A drop takes a held object as it is and leaves a player it starts shown.
constexpr PlayerRequest kDropRequest{false, false};

// Hides the player's main window, or shows it without activating it; nothing
// while the player does not run.
void ShowOrHidePlayerWindow(bool hide);

// A widget that attaches is polled on its window from then on, however it
// attached: one that is not would never show the player again.
struct PlayerLink {
    itunes::ComPtr<itunes::IiTunes> iTunesApp;
    itunes::ComPtr<itunes::IITOperationStatus> pendingOperation;
    bool pollTimerRunning = false;  // runs until the widget goes, attached or not

    bool Attached() const { return iTunesApp != nullptr; }
    // Takes the player's object only when its window shows that it runs;
    // never starts the player nor polls it.
    void AttachIfRunning();
    // Keeps a held object only while it answers; with none held, attaches
    // if the player runs.
    void ProbeOrAttach(HWND widgetWindow);
    // Creates the object, which starts the player when it is not running;
    // true when one came.
    bool Start();
    // Reaching the player for a request of the user's.
    void AttachOrStart(PlayerRequest request, HWND widgetWindow, bool autoHide);
    // Starts the poll timer on the widget's window unless it runs already.
    void Poll(HWND widgetWindow);
    // The hide setting takes effect at once while attached; otherwise it
    // waits for the next application.
    void ApplyAutoHide(bool hide) const;
    // Plays the first track of a finished library addition; an addition that
    // reports no tracks yet is asked again on the next tick.
    void PlayFinishedAddition();
};
