// Finding, creating and probing the player's application object.
#pragma once

#include "platform/itunes_com.h"

#include <wrl/client.h>

namespace itunes {

using Microsoft::WRL::ComPtr;

// The player's main window (class "iTunes"), or null while it is not running.
HWND MainWindow();

// Shows or hides the player's main window (a ShowWindow command) without
// waiting for the player to answer: a busy or hung player must not hold the
// widget. A window of the calling thread changes at once.
void ShowMainWindow(HWND window, int command);

// Creates the application object (in-process, handler or local server); this
// starts the player when it is not running. Null when it cannot be had.
ComPtr<IiTunes> CreateApp();

// Asks the held object for its version; false when the call fails.
bool Probe(IiTunes* app);

}  // namespace itunes
