// Writes a GDI+ bitmap to a PNG file.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <string>

namespace host {

bool SavePng(Gdiplus::Bitmap& bitmap, const std::string& path);

}  // namespace host
