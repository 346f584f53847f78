#include "render/pane_strip.h"

#include "core/pane_rect.h"
#include "render/argb_bitmap.h"
#include "render/text.h"
#include "skin/skin_images.h"
#include "skin/skin_model.h"

#include <algorithm>

namespace {

struct StripParts {
    Gdiplus::RectF filled;
    Gdiplus::RectF unfilled;
};

bool PartsFor(int direction, float width, float height, float fraction, StripParts* parts) {
    const float cutX = width * fraction;
    const float cutY = height * fraction;
    switch (direction) {
    case kLeftToRight: *parts = {{0, 0, cutX, height}, {cutX, 0, width - cutX, height}}; return true;
    case kRightToLeft: *parts = {{width - cutX, 0, cutX, height}, {0, 0, width - cutX, height}}; return true;
    case kTopToBottom: *parts = {{0, 0, width, cutY}, {0, cutY, width, height - cutY}}; return true;
    case kBottomToTop: *parts = {{0, height - cutY, width, cutY}, {0, 0, width, height - cutY}}; return true;
    default: return false;
    }
}

// Source and destination are the same rectangle, so the image is copied
// unscaled. Values outside 0..100 give parts reaching outside the strip or
// with negative sizes; only what lies inside both strip and image is drawn.
void CopyPart(Gdiplus::Graphics& strip, Gdiplus::Image* image, const Gdiplus::RectF& part, float width, float height) {
    if (!image) return;
    const float left = std::max(part.X, 0.0f);
    const float top = std::max(part.Y, 0.0f);
    const float right = std::min({part.X + part.Width, width, static_cast<float>(image->GetWidth())});
    const float bottom = std::min({part.Y + part.Height, height, static_cast<float>(image->GetHeight())});
    if (right <= left || bottom <= top) return;
    const Gdiplus::RectF visible(left, top, right - left, bottom - top);
    strip.DrawImage(image, visible, visible.X, visible.Y, visible.Width, visible.Height, Gdiplus::UnitPixel);
}

}  // namespace

void PaneStrip(int direction, int width, int height, float fraction, Gdiplus::Image* filled, Gdiplus::Image* unfilled,
               Gdiplus::Graphics& strip) {
    StripParts parts;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    if (!PartsFor(direction, w, h, fraction, &parts)) return;
    CopyPart(strip, filled, parts.filled, w, h);
    CopyPart(strip, unfilled, parts.unfilled, w, h);
}

std::unique_ptr<Gdiplus::Image> RenderPaneStrip(const SkinImages& images, const PaneRect& pane, int direction,
                                                float fraction, const std::string& filledFile,
                                                const std::string& unfilledFile) {
    std::unique_ptr<Gdiplus::Bitmap> bitmap = NewArgbBitmap(pane.width, pane.height);
    if (!bitmap) return nullptr;
    const auto unfilled = images.Load(unfilledFile);
    const auto filled = images.Load(filledFile);
    {
        Gdiplus::Graphics graphics(bitmap.get());
        PrepareGraphics(graphics);
        PaneStrip(direction, pane.width, pane.height, fraction, filled.get(), unfilled.get(), graphics);
    }
    return bitmap;
}

void DrawValueStrip(Gdiplus::Graphics& frame, ValueStrip& cache, long value, float fraction, const SkinImages& images,
                    const PaneRect& pane, int direction, StripFiles files) {
    if (cache.value != value) cache.image.reset();
    if (!cache.image) cache.image = RenderPaneStrip(images, pane, direction, fraction, files.filled, files.unfilled);
    if (cache.image) frame.DrawImage(cache.image.get(), Gdiplus::Rect(pane.left, pane.top, pane.width, pane.height));
    cache.value = value;
}
