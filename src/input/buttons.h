// Actions of the widget's buttons that do more than one player call.
#pragma once

#include "core/widget_instance.h"
#include "skin/skin_model.h"

// Mutes unless the player reports itself muted; a failed read mutes.
void ToggleMute(itunes::IiTunes& app);

// Lets the user choose one file and adds it to the player's library; the
// poll timer plays it once the addition has finished.
void OpenAndAddFile(WidgetInstance& widget);

// Hides the player's main window when visible, otherwise shows and activates it.
void ToggleITunesWindow();
