// Which installed family a skin's face draws with.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>

// Whether a family of that name is installed on this machine.
bool FaceInstalled(const std::wstring& faceName);

// What a face that is not installed draws with: the system's generic
// sans-serif family, else the default GUI font's; empty when neither is found.
const std::wstring& FallbackFaceName();

// The face's own family when it is installed, else the fallback's; null when
// neither is there.
std::unique_ptr<Gdiplus::FontFamily> DrawingFamily(const std::wstring& faceName);
