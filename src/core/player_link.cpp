#include "core/player_link.h"

#include "core/timer_ids.h"

void ShowOrHidePlayerWindow(bool hide) {
    if (HWND window = itunes::MainWindow()) itunes::ShowMainWindow(window, hide ? SW_HIDE : SW_SHOWNA);
}

void PlayerLink::AttachIfRunning() {
    if (itunes::MainWindow()) iTunesApp = itunes::CreateApp();
}

void PlayerLink::ProbeOrAttach(HWND widgetWindow) {
    if (!iTunesApp) {
        AttachIfRunning();
        if (Attached()) Poll(widgetWindow);
    } else if (!itunes::Probe(iTunesApp.Get())) {
        iTunesApp.Reset();
    }
}

bool PlayerLink::Start() {
    iTunesApp = itunes::CreateApp();
    return Attached();
}

void PlayerLink::AttachOrStart(PlayerRequest request, HWND widgetWindow, bool autoHide) {
    if (request.probeHeld) ProbeOrAttach(widgetWindow);
    if (Attached() || !Start()) return;
    Poll(widgetWindow);
    // Only the window a request has just opened gets the hide setting here.
    if (request.hideStarted) ApplyAutoHide(autoHide);
}

// Setting the timer again would only put its next tick off.
void PlayerLink::Poll(HWND widgetWindow) {
    if (pollTimerRunning) return;
    StartPollTimer(widgetWindow);
    pollTimerRunning = true;
}

void PlayerLink::ApplyAutoHide(bool hide) const {
    if (Attached()) ShowOrHidePlayerWindow(hide);
}

void PlayerLink::PlayFinishedAddition() {
    if (!pendingOperation) return;
    VARIANT_BOOL inProgress = VARIANT_FALSE;
    pendingOperation->get_InProgress(&inProgress);
    if (inProgress) return;
    itunes::ComPtr<itunes::IITTrackCollection> tracks;
    pendingOperation->get_Tracks(tracks.GetAddressOf());
    if (!tracks) return;
    long count = 0;
    tracks->get_Count(&count);
    if (count <= 0) return;
    itunes::ComPtr<itunes::IITTrack> first;
    tracks->get_Item(1, first.GetAddressOf());
    if (first) first->Play();
    pendingOperation.Reset();
}
