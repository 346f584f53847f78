// Scaling the knob image costs more than the rest of a frame, yet the knob
// moves only when the position does; while it stays, its pixels are reused.
#include "render/knob_cache.h"

#include "render/blend.h"
#include "render/kept_drawing.h"

using namespace Gdiplus;

namespace {

// The outline pen and smooth scaling reach past the knob's rectangle.
constexpr int kMargin = 2;
// 4 MB of ARGB pixels; a larger knob is drawn afresh every time.
constexpr int64_t kMaxPixels = 1024 * 1024;

}  // namespace

bool KnobDrawing::operator==(const KnobDrawing& other) const {
    return kind == other.kind && box.X == other.box.X && box.Y == other.box.Y && box.Width == other.box.Width &&
           box.Height == other.box.Height && revealedWidth == other.revealedWidth;
}

void KnobPixelCache::Draw(Bitmap& frame, Graphics& graphics, const KnobDrawing& drawing, const RectF& bounds,
                          const std::function<void(Graphics&)>& draw) {
    if (held_ && drawing_ == drawing) {
        const PixelBlock block{pixels_.data(), area_.Width, area_.Width, area_.Height};
        if (pixels_.empty() || BlendOnto(frame, block, area_.X, area_.Y)) return;
        draw(graphics);
        return;
    }
    Clear();
    const Rect area = AreaInFrame(frame, bounds, kMargin);
    if (area.Width > 0 && int64_t{area.Width} * area.Height > kMaxPixels) {
        draw(graphics);
        return;
    }
    if (area.Width > 0) {
        KeptDrawing kept = DrawKeepingPixels(frame, graphics, area, draw);
        if (!kept.drawn) draw(graphics);
        if (kept.pixels.empty()) return;
        pixels_ = std::move(kept.pixels);
    }
    held_ = true;
    drawing_ = drawing;
    area_ = area;
}

void KnobPixelCache::Clear() {
    held_ = false;
    pixels_.clear();
}
