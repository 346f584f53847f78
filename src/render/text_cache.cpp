// Laying a text out as a path costs more than the rest of a frame; the
// counter, the info text and the extra infos repeat from tick to tick, so
// their filled outlines are kept as pixels keyed by text, font and rectangle.
// The cache is small and bounded: a few dozen entries and a pixel budget.
#include "render/text_cache.h"

#include "render/text.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

namespace {

constexpr size_t kMaxEntries = 32;
// 8 MB of ARGB pixels in all; a text larger than that is drawn directly.
constexpr int64_t kMaxPixels = 2 * 1024 * 1024;

bool SameFont(const FontSpec& a, const FontSpec& b) {
    return a.faceName == b.faceName && a.color == b.color && a.size == b.size && a.style == b.style &&
           a.hAlignment == b.hAlignment;
}

bool SameRect(const PaneRect& a, const PaneRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

int64_t PixelCount(int width, int height) { return int64_t{width} * height; }

}  // namespace

void TextPixelCache::Draw(Graphics& target, const std::wstring& text, const FontSpec& font, const PaneRect& rect) {
    if (text.empty()) return;
    const Entry* entry = Find(text, font, rect);
    if (!entry) entry = Add(text, font, rect);
    if (!entry) {
        DrawText(target, text, font, rect);
        return;
    }
    if (entry->pixels)
        target.DrawImage(entry->pixels.get(), entry->left, entry->top, 0, 0, entry->width, entry->height, UnitPixel);
}

void TextPixelCache::Clear() {
    entries_.clear();
    pixelsHeld_ = 0;
}

const TextPixelCache::Entry* TextPixelCache::Find(const std::wstring& text, const FontSpec& font,
                                                  const PaneRect& rect) {
    for (Entry& entry : entries_) {
        if (entry.text == text && SameRect(entry.rect, rect) && SameFont(entry.font, font)) {
            entry.lastUse = ++useClock_;
            return &entry;
        }
    }
    return nullptr;
}

// Renders the outline into a bitmap covering its bounds (one pixel of margin
// for anti-aliasing), placed at whole pixels so a copy matches a direct fill.
// Null when the outline is too large to keep.
const TextPixelCache::Entry* TextPixelCache::Add(const std::wstring& text, const FontSpec& font,
                                                 const PaneRect& rect) {
    Entry entry{text, font, rect, nullptr, 0, 0, 0, 0, ++useClock_};
    GraphicsPath path(FillModeAlternate);
    AddTextOutline(path, text, font, rect);
    RectF bounds;
    if (path.GetPointCount() > 0 && path.GetBounds(&bounds) == Ok) {
        const double left = std::floor(bounds.X) - 1;
        const double top = std::floor(bounds.Y) - 1;
        const double width = std::ceil(double{bounds.X} + bounds.Width) + 1 - left;
        const double height = std::ceil(double{bounds.Y} + bounds.Height) + 1 - top;
        if (!(width * height <= kMaxPixels) || std::fabs(left) > 1e6 || std::fabs(top) > 1e6) return nullptr;
        entry.left = static_cast<int>(left);
        entry.top = static_cast<int>(top);
        entry.width = static_cast<int>(width);
        entry.height = static_cast<int>(height);
        entry.pixels = std::make_unique<Bitmap>(entry.width, entry.height, PixelFormat32bppARGB);
        if (entry.pixels->GetLastStatus() != Ok) return nullptr;
        Graphics graphics(entry.pixels.get());
        PrepareGraphics(graphics);
        graphics.TranslateTransform(static_cast<REAL>(-left), static_cast<REAL>(-top));
        const SolidBrush brush(Color(font.color));
        graphics.FillPath(&brush, &path);
    }
    pixelsHeld_ += PixelCount(entry.width, entry.height);
    entries_.push_back(std::move(entry));
    EvictBeyondBudget();
    return &entries_.back();
}

// Drops the least recently used entries, never the newest one.
void TextPixelCache::EvictBeyondBudget() {
    while (entries_.size() > 1 && (entries_.size() > kMaxEntries || pixelsHeld_ > kMaxPixels)) {
        const auto oldest = std::min_element(entries_.begin(), entries_.end() - 1,
                                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        pixelsHeld_ -= PixelCount(oldest->width, oldest->height);
        entries_.erase(oldest);
    }
}
