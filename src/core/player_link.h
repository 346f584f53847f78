// The widget's hold on the player: its application object while attached,
// and the library addition whose first track plays once it has finished.
// The rules for reaching the player are named here, once, for every caller.
#pragma once

#include "platform/itunes_app.h"

struct PlayerLink {
    itunes::ComPtr<itunes::IiTunes> iTunesApp;
    itunes::ComPtr<itunes::IITOperationStatus> pendingOperation;

    bool Attached() const { return iTunesApp != nullptr; }
    // Takes the player's object only when its window shows that it runs;
    // never starts the player.
    void AttachIfRunning();
    // Keeps a held object only while it answers; with none held, attaches
    // if the player runs.
    void ProbeOrAttach();
    // Creates the object, which starts the player when it is not running;
    // true when one came.
    bool Start();
};
