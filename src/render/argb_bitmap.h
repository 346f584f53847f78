// Bitmaps the module composes (frames, pane strips, album art, the marquee's
// text): transparent 32-bit ARGB, sized by untrusted skin values, so the size
// is checked before anything is allocated.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>

// Largest side of a composed bitmap (4096 x 4096 ARGB is 64 MB).
constexpr int kMaxBitmapSide = 4096;

// A new transparent bitmap, or null when a side is not positive, exceeds
// kMaxBitmapSide, or the graphics library cannot create it.
std::unique_ptr<Gdiplus::Bitmap> NewArgbBitmap(int width, int height);
