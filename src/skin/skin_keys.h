// Reading the typed values of "skin.ini": rectangles, colours, fonts and the
// numbered extra-info and hotspot groups.
#pragma once

#include "skin/ini_file.h"
#include "skin/skin_model.h"

PaneRect ReadPaneRect(const IniFile& ini, const char* group);

// Reads "ColorB", "ColorG", "ColorR", "ColorA" with the given defaults and keeps
// the low 8 bits of each.
Argb ReadColor(const IniFile& ini, const char* group, int alpha, int red, int green, int blue);

// A face name as the 8-bit text of the file gives it, in UTF-16.
std::wstring FaceNameFromText(const std::string& text);

std::unique_ptr<ExtraInfo> ReadExtraInfo(const IniFile& ini, const std::string& group);
std::unique_ptr<ChangeSkinHotSpot> ReadChangeSkinHotSpot(const IniFile& ini, const std::string& group);
