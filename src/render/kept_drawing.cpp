// Over transparent pixels the drawing goes straight into the frame and is
// read back; over earlier drawing it goes into a bitmap of its own, which is
// read and laid over, so that only the drawing's own pixels are kept.
#include "render/kept_drawing.h"

#include "render/argb_bitmap.h"
#include "render/blend.h"
#include "render/text.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

Rect AreaInFrame(Bitmap& frame, const RectF& bounds, int margin) {
    const double x0 = bounds.X;
    const double x1 = x0 + bounds.Width;
    const double y0 = bounds.Y;
    const double y1 = y0 + bounds.Height;
    const double left = std::max(0.0, std::floor(std::min(x0, x1)) - margin);
    const double top = std::max(0.0, std::floor(std::min(y0, y1)) - margin);
    const double right = std::min(static_cast<double>(frame.GetWidth()), std::ceil(std::max(x0, x1)) + margin);
    const double bottom = std::min(static_cast<double>(frame.GetHeight()), std::ceil(std::max(y0, y1)) + margin);
    // Also false for NaN edges.
    if (!(left < right && top < bottom)) return Rect();
    return Rect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                static_cast<int>(bottom - top));
}

KeptDrawing DrawKeepingPixels(Bitmap& frame, Graphics& graphics, const Rect& area,
                              const std::function<void(Graphics&)>& draw) {
    KeptDrawing kept;
    graphics.Flush(FlushIntentionSync);
    if (TransparentIn(frame, area.X, area.Y, area.Width, area.Height)) {
        draw(graphics);
        graphics.Flush(FlushIntentionSync);
        kept.drawn = true;
        kept.pixels = ReadPixels(frame, area.X, area.Y, area.Width, area.Height);
        return kept;
    }
    const std::unique_ptr<Bitmap> own = NewArgbBitmap(area.Width, area.Height);
    if (!own) return kept;
    {
        Graphics ownGraphics(own.get());
        PrepareGraphics(ownGraphics);
        ownGraphics.TranslateTransform(static_cast<REAL>(-area.X), static_cast<REAL>(-area.Y));
        draw(ownGraphics);
    }
    kept.pixels = ReadPixels(*own, 0, 0, area.Width, area.Height);
    if (kept.pixels.empty()) return kept;
    BlendOnto(frame, PixelBlock{kept.pixels.data(), area.Width, area.Width, area.Height}, area.X, area.Y);
    kept.drawn = true;
    return kept;
}
