// Making sure the widget holds a player object before a request acts: the
// one way every request starts the player, each with its rules.
#include "core/widget_instance.h"

void WidgetInstance::AttachOrStart(PlayerRequest request) {
    if (request.probeHeld) player.ProbeOrAttach();
    if (player.Attached() || !player.Start()) return;
    StartPollTimer();
    // Only the window a request has just opened gets the hide setting here.
    if (request.hideStarted) ApplyAutoHideITunes(autoHideITunes);
}
