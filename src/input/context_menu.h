// The right click's menu: the host's own, with one submenu of playlists per
// source of the player.
#pragma once

#include "platform/itunes_app.h"

#include <windows.h>

// Shows the menu at the cursor and carries out the chosen entry: the host's
// command, or the playlist played. Without a player the menu is the host's.
void ShowContextMenu(HWND widgetWindow, itunes::IiTunes* player);
