// The "Skin" page: the installed skins to choose from, and the name, author
// and comments of the skin in use.
#pragma once

#include "skin/skin_model.h"

#include <windows.h>

#include <string>

// Lists every folder of the skins folder and selects the skin in use.
void ShowSkinList(HWND page, const std::string& skinsFolder, const std::string& skinInUse);
// Nothing for no skin.
void ShowSkinInfo(HWND page, const SkinModel* skin);
std::string ChosenSkin(HWND page);
// Whether the command is another choice in the list.
bool IsSkinChoice(WPARAM command);
