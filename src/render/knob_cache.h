// The progress knob's pixels as last drawn, keyed by the drawing's exact
// inputs: a knob that did not move is laid over again instead of drawn.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <functional>
#include <vector>

struct KnobDrawing {
    enum Kind { kEllipse, kBar, kImage, kRevealedImage };
    Kind kind = kEllipse;
    Gdiplus::Rect box;
    float revealedWidth = 0;  // kRevealedImage: the width the image's part is drawn into

    bool operator==(const KnobDrawing& other) const;
};

class KnobPixelCache {
public:
    // Lays the kept pixels over the frame when they came from the same drawing;
    // otherwise runs `draw`, which stays within `bounds`, and keeps its pixels.
    void Draw(Gdiplus::Bitmap& frame, Gdiplus::Graphics& graphics, const KnobDrawing& drawing,
              const Gdiplus::RectF& bounds, const std::function<void(Gdiplus::Graphics&)>& draw);
    // A new skin brings a new knob image, colours and frame.
    void Clear();

private:
    bool held_ = false;
    KnobDrawing drawing_;
    Gdiplus::Rect area_;
    std::vector<uint32_t> pixels_;  // empty when nothing of the knob shows in the frame
};
