#include "host/frame_compositor.h"

#include <cmath>

namespace host {
namespace {

// x / 255, rounded to nearest, for x up to 255 * 255.
uint32_t DivideBy255(uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

// A layer's image drawn at its own size on a whole pixel needs no resampling.
bool DrawnOneToOne(const Gdiplus::RectF& target, Gdiplus::Image& image) {
    return image.GetType() == Gdiplus::ImageTypeBitmap && target.X == std::floor(target.X) &&
           target.Y == std::floor(target.Y) && target.Width == static_cast<float>(image.GetWidth()) &&
           target.Height == static_cast<float>(image.GetHeight());
}

// Blends a bitmap's pixels, premultiplied by GDI+ on the way out, at a whole-pixel origin.
void BlendAt(Gdiplus::Image& image, int left, int top, SIZE size, FrameCompositor::Pixels& frame) {
    const int width = static_cast<int>(image.GetWidth());
    const int height = static_cast<int>(image.GetHeight());
    const int firstColumn = std::max(0, -left), lastColumn = std::min(width, static_cast<int>(size.cx) - left);
    const int firstRow = std::max(0, -top), lastRow = std::min(height, static_cast<int>(size.cy) - top);
    if (firstColumn >= lastColumn || firstRow >= lastRow) return;
    // Only the image's Bitmap side is used: the lock works on any bitmap image.
    auto& bitmap = static_cast<Gdiplus::Bitmap&>(image);
    Gdiplus::Rect part(firstColumn, firstRow, lastColumn - firstColumn, lastRow - firstRow);
    Gdiplus::BitmapData data = {};
    if (bitmap.LockBits(&part, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) != Gdiplus::Ok) return;
    for (int row = 0; row < part.Height; ++row) {
        const auto* source =
            reinterpret_cast<const uint32_t*>(static_cast<const char*>(data.Scan0) + row * data.Stride);
        uint32_t* target = frame.data() + static_cast<size_t>(top + firstRow + row) * size.cx + left + firstColumn;
        for (int column = 0; column < part.Width; ++column)
            target[column] = BlendPremultiplied(target[column], source[column]);
    }
    bitmap.UnlockBits(&data);
}

}  // namespace

uint32_t BlendPremultiplied(uint32_t below, uint32_t above) {
    const uint32_t alpha = above >> 24;
    if (alpha == 255) return above;
    if (alpha == 0) return below;
    const uint32_t keep = 255 - alpha;
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t channel = ((above >> shift) & 0xFF) + DivideBy255(((below >> shift) & 0xFF) * keep);
        result |= std::min<uint32_t>(channel, 255) << shift;
    }
    return result;
}

void FrameCompositor::DrawLayers(const LayerStack& layers, size_t from, size_t to, Pixels& frame) const {
    std::unique_ptr<Gdiplus::Bitmap> canvas;  // the frame as GDI+ sees it, made when a layer needs it
    std::unique_ptr<Gdiplus::Graphics> graphics;
    for (size_t id = from; id < to; ++id) {
        Gdiplus::Image* image = layers.VisibleImage(id);
        if (!image) continue;
        const Gdiplus::RectF target = layers.TargetOf(id, size_.cx, size_.cy);
        if (DrawnOneToOne(target, *image)) {
            BlendAt(*image, static_cast<int>(target.X), static_cast<int>(target.Y), size_, frame);
            continue;
        }
        if (!graphics) {
            canvas = std::make_unique<Gdiplus::Bitmap>(size_.cx, size_.cy, size_.cx * 4, PixelFormat32bppPARGB,
                                                       reinterpret_cast<BYTE*>(frame.data()));
            graphics = std::make_unique<Gdiplus::Graphics>(canvas.get());
            LayerStack::PrepareGraphics(*graphics);
        }
        layers.DrawLayer(*graphics, id, size_.cx, size_.cy);
    }
}

const FrameCompositor::Pixels& FrameCompositor::Compose(LayerStack& layers, SIZE size) {
    size_t firstChanged = layers.TakeFirstChanged();
    const size_t count = layers.Count();
    if (size.cx != size_.cx || size.cy != size_.cy || frame_.empty()) {
        size_ = size;
        const size_t pixels = static_cast<size_t>(std::max<LONG>(size.cx, 1)) * std::max<LONG>(size.cy, 1);
        below_.assign(pixels, 0);
        frame_.assign(pixels, 0);
        belowCount_ = 0;
        firstChanged = 0;
    }
    changedInLastCompose_ = firstChanged != LayerStack::kNothingChanged;
    if (!changedInLastCompose_) return frame_;
    firstChanged = std::min(firstChanged, count);
    if (firstChanged < belowCount_) {
        // A layer under the kept part changed: keep what lies under it instead.
        std::fill(below_.begin(), below_.end(), 0);
        belowCount_ = 0;
    }
    // The layers from the kept part up to the changed one have not changed since.
    DrawLayers(layers, belowCount_, firstChanged, below_);
    belowCount_ = firstChanged;
    frame_ = below_;
    DrawLayers(layers, firstChanged, count, frame_);
    return frame_;
}

}  // namespace host
