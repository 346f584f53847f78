// The frame being composed for the information layer, and the graphics that
// draws on it.
#pragma once

#include <windows.h>

#include <gdiplus.h>

struct FrameTarget {
    Gdiplus::Bitmap& bitmap;
    Gdiplus::Graphics& graphics;
};
