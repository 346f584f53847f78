// Making sure the widget holds a player object before a click acts.
#include "core/widget_instance.h"

void WidgetInstance::AttachOrStart() {
    const bool heldOnEntry = iTunesApp != nullptr;
    if (heldOnEntry && !itunes::Probe(iTunesApp.Get())) iTunesApp.Reset();
    if (!heldOnEntry && itunes::MainWindow()) iTunesApp = itunes::CreateApp();
    if (iTunesApp) return;

    // Creating the object now starts the player; only a widget that started
    // it begins polling here and applies the hide setting to its window.
    iTunesApp = itunes::CreateApp();
    if (!iTunesApp) return;
    StartPollTimer();
    ApplyAutoHideITunes(autoHideITunes);
}
