// A drawing on the frame whose resulting pixels are kept, so that a later
// frame can lay the same pixels over instead of drawing again.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <vector>

struct KeptDrawing {
    bool drawn = false;            // the drawing is in the frame
    std::vector<uint32_t> pixels;  // the drawing's own pixels in the area; empty when they could not be had
};

// The pixels a drawing within `bounds` can touch, widened by `margin` for
// anti-aliasing and cut to the frame; of no area when none lie in the frame.
Gdiplus::Rect AreaInFrame(Gdiplus::Bitmap& frame, const Gdiplus::RectF& bounds, int margin);

// Runs `draw` (in frame coordinates) so that it lands in the frame, and keeps
// what it left in `area`, which must lie within the frame and hold all of it.
KeptDrawing DrawKeepingPixels(Gdiplus::Bitmap& frame, Gdiplus::Graphics& graphics, const Gdiplus::Rect& area,
                              const std::function<void(Gdiplus::Graphics&)>& draw);
