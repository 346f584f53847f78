// The two configuration pages the module adds to the host's dialog, and what
// they share: the widget behind each page window.
#pragma once

#include "core/widget_instance.h"

#include <windows.h>

INT_PTR CALLBACK ITunesPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SkinPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// Stores the page's widget (the page description's parameter) on the page
// window at initialisation and reads it back; null when the description has none.
WidgetInstance* AttachPage(HWND page, LPARAM pageDescription);
// The widget behind the page, or null.
WidgetInstance* PageInstance(HWND page);
void DetachPage(HWND page);
// Tells the sheet the page has changes, which enables its Apply button.
void MarkPageChanged(HWND page);
