// Straight-alpha ARGB pixels laid over a bitmap, as a source-over draw of an
// unscaled image would, without the graphics library's per-pixel overhead.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <vector>

struct PixelBlock {
    const uint32_t* pixels = nullptr;
    int stride = 0;  // in pixels
    int width = 0;
    int height = 0;
};

// Lays the block over the target with its top-left corner at (left, top);
// parts outside the target are cut. False when the target's pixels could not be had.
bool BlendOnto(Gdiplus::Bitmap& target, const PixelBlock& block, int left, int top);

// Whether every pixel of the target in the rectangle is fully transparent.
bool TransparentIn(Gdiplus::Bitmap& target, int left, int top, int width, int height);

// The target's pixels in the rectangle, row by row; empty when they could not be had.
std::vector<uint32_t> ReadPixels(Gdiplus::Bitmap& target, int left, int top, int width, int height);
