// Loading a skin onto the widget's window: reading it from the skins folder
// beside the module, then its three layers over the base layer and the
// widget's size.
#pragma once

#include "skin/skin_model.h"

#include <windows.h>

#include <string>

// The named skin of the module's skins folder; every default when it has no "skin.ini".
SkinModelPtr ReadModuleSkin(HINSTANCE module, const std::string& skinDir);

// Puts the skin's layers on the window in place of any earlier skin's, with
// the pause layer shown or hidden as asked, and sizes the widget to the skin.
// skinDir names the skin's folder, where its images are.
void InstallSkin(HWND window, const SkinModel& skin, const std::string& skinDir, bool pauseVisible);
