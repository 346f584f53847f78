#include "core/player_link.h"

void PlayerLink::AttachIfRunning() {
    if (itunes::MainWindow()) iTunesApp = itunes::CreateApp();
}

void PlayerLink::ProbeOrAttach() {
    if (!iTunesApp)
        AttachIfRunning();
    else if (!itunes::Probe(iTunesApp.Get()))
        iTunesApp.Reset();
}

bool PlayerLink::Start() {
    iTunesApp = itunes::CreateApp();
    return Attached();
}
