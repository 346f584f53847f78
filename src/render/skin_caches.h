// What the widget loads and draws from the skin in use, kept from frame to
// frame and dropped when another skin loads: the progress knob's image, and
// the pixels of texts and of the knob that later frames lay over again.
#pragma once

#include "render/knob_cache.h"
#include "render/text_cache.h"
#include "skin/skin_model.h"

#include <windows.h>

#include <memory>
#include <string>

struct SkinCaches {
    std::unique_ptr<Gdiplus::Image> knobImage;
    TextPixelCache text;
    KnobPixelCache knob;
};

// Empty caches for the skin in the widget's folder skinDir, with the images
// they draw from loaded.
std::unique_ptr<SkinCaches> NewSkinCaches(HWND window, const SkinModel& skin, const std::string& skinDir);
