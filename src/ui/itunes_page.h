// The "iTunes interaction" page: how the widget and the player treat each other.
#pragma once

#include <windows.h>

// The page's three boxes, as the check boxes report them (0 or 1).
struct InteractionSettings {
    int hideWhenNotLoaded = 0;
    int autoHideITunes = 0;
    int use5Rating = 0;
};

void ShowInteraction(HWND page, const InteractionSettings& settings);
InteractionSettings ReadInteraction(HWND page);
// Whether the command is a click on one of the boxes.
bool IsInteractionEdit(WPARAM command);
