// Bars cut from a filled and an unfilled image at the point a value reaches,
// shared by the rating and sound panes and mirrored by their click handling.
#pragma once

#include "render/pane_caches.h"

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>

class SkinImages;
struct PaneRect;

// Copies the filled part (fraction of the pane) and the rest from the two
// images into a width × height strip, unscaled. Either image may be null.
void PaneStrip(int direction, int width, int height, float fraction, Gdiplus::Image* filled, Gdiplus::Image* unfilled,
               Gdiplus::Graphics& strip);

// A strip of the pane's size from the skin's two images, loaded only for this;
// null when the pane's size allows no bitmap.
std::unique_ptr<Gdiplus::Image> RenderPaneStrip(const SkinImages& images, const PaneRect& pane, int direction,
                                                float fraction, const std::string& filledFile,
                                                const std::string& unfilledFile);

// The files a pane's strip is cut from.
struct StripFiles {
    const char* filled;
    const char* unfilled;
};

// Draws the pane's strip for the value, filled to the fraction: from the
// cache while the value stays, else rendered anew and kept.
void DrawValueStrip(Gdiplus::Graphics& frame, ValueStrip& cache, long value, float fraction, const SkinImages& images,
                    const PaneRect& pane, int direction, StripFiles files);
