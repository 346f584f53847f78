// Bitmaps the module composes for panes: transparent 32-bit ARGB, sized by
// untrusted skin values, so the size is checked before anything is allocated.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>

// Largest side of a pane bitmap; a skin asking for more gets no bitmap.
constexpr int kMaxPaneSide = 4096;

// A new transparent bitmap, or null when a side is not positive, exceeds
// kMaxPaneSide, or the graphics library cannot create it.
std::unique_ptr<Gdiplus::Bitmap> NewPaneBitmap(int width, int height);
