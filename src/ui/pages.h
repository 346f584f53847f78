// The two configuration pages the module adds to the host's dialog, and what
// they share: the widget behind each page window and the page's life.
#pragma once

#include "core/widget_instance.h"
#include "skin/skin_model.h"

#include <windows.h>

INT_PTR CALLBACK ITunesPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SkinPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// What one page does; each runs only while the page has a widget behind it.
struct PageActions {
    void (*show)(HWND page, WidgetInstance& instance);   // at initialisation
    bool (*isEdit)(WPARAM command);                      // a WM_COMMAND that changes the page
    void (*apply)(HWND page, WidgetInstance& instance);  // on the sheet's Apply
};

// The dialog procedure's body every page shares.
INT_PTR HandlePageMessage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, const PageActions& actions);
