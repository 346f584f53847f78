// A page the module adds to the host's configuration dialog, made for one
// widget. The dialog procedures are shared by every widget, so each page
// finds its widget through a window property set from the page's description.
#pragma once

#include <windows.h>

#include <prsht.h>

// What one page does; each runs only while the page has a widget behind it,
// the one it was made for.
struct PageActions {
    void (*show)(HWND page, void* widget);   // at initialisation
    bool (*isEdit)(WPARAM command);          // a WM_COMMAND that changes the page
    void (*apply)(HWND page, void* widget);  // on the sheet's Apply
};

// The page of the module's dialog template for the widget; null when the
// system could not build it.
HPROPSHEETPAGE CreatePage(HINSTANCE module, int templateId, const char* title, DLGPROC procedure, void* widget);

// The dialog procedure's body every page shares.
INT_PTR HandlePageMessage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, const PageActions& actions);
