// Actions of the widget's buttons that do more than one player call.
#pragma once

#include "core/player_link.h"

#include <windows.h>

// Mutes unless the player reports itself muted; a failed read mutes.
void ToggleMute(itunes::IiTunes& app);

// Lets the user choose one file in a dialog of the widget's window and adds
// it to the attached player's library; the poll timer plays it once the
// addition has finished.
void OpenAndAddFile(HWND widgetWindow, HINSTANCE module, PlayerLink& player);

// Hides the player's main window when visible, otherwise shows and activates it.
void ToggleITunesWindow();
