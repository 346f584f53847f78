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

// What a font's group falls back to for the keys it leaves out.
struct FontFallback {
    std::string faceName = "Arial";
    int alpha = 255;
    int red = 0;
    int green = 0;
    int blue = 0;
    int size = 12;
    int style = 0;
    int hAlignment = 1;
};

// A font's "Facename", colour keys, "Size", "Style" and "HAlignment".
FontSpec ReadFont(const IniFile& ini, const char* group, const FontFallback& fallback = {});

std::unique_ptr<ExtraInfo> ReadExtraInfo(const IniFile& ini, const std::string& group);
std::unique_ptr<ChangeSkinHotSpot> ReadChangeSkinHotSpot(const IniFile& ini, const std::string& group);
