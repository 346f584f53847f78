// Laying a text out as a path and filling it costs more than the rest of a
// frame; the counter, the info text and the extra infos repeat from tick to
// tick, so their filled outlines are kept as pixels keyed by text, font and
// rectangle and laid over the frame directly. The cache is small and bounded:
// a few dozen entries and a pixel budget.
#include "render/text_cache.h"

#include "render/blend.h"
#include "render/font_face.h"
#include "render/kept_drawing.h"
#include "render/text.h"

#include <algorithm>

using namespace Gdiplus;

namespace {

constexpr size_t kMaxEntries = 24;
// 8 MB of ARGB pixels in all; a text larger than that is drawn uncached.
constexpr int64_t kMaxPixels = 2 * 1024 * 1024;

}  // namespace

void TextPixelCache::DrawCached(Graphics& target, const std::wstring& text, const FontSpec& font, const PaneRect& rect,
                                bool changing) {
    if (text.empty()) return;
    if (!frame_) {
        DrawText(target, text, font, rect);
        return;
    }
    if (const Entry* entry = Find(text, font, rect)) {
        const PixelBlock block{entry->pixels.data(), entry->width, entry->width, entry->height};
        if (entry->pixels.empty() || BlendOnto(*frame_, block, entry->left, entry->top)) return;
    } else if (DrawAndKeep(target, text, font, rect, changing)) {
        return;
    }
    DrawText(target, text, font, rect);
}

void TextPixelCache::Clear() {
    entries_.clear();
    placed_.Clear();
    families_.clear();
    pixelsHeld_ = 0;
}

TextPixelCache::Entry* TextPixelCache::Find(const std::wstring& text, const FontSpec& font, const PaneRect& rect) {
    for (Entry& entry : entries_) {
        if (entry.text == text && SameRect(entry.rect, rect) && SameFont(entry.font, font)) {
            entry.lastUse = ++useClock_;
            return &entry;
        }
    }
    return nullptr;
}

// Draws the outline and keeps the pixels it covers within the frame (its
// bounds plus a pixel of anti-aliasing). False when nothing was drawn.
bool TextPixelCache::DrawAndKeep(Graphics& target, const std::wstring& text, const FontSpec& font,
                                 const PaneRect& rect, bool changing) {
    Entry entry{text, font, rect, {}, 0, 0, 0, 0, ++useClock_};
    GraphicsPath path(FillModeAlternate);
    // Putting together pays only for texts that keep changing; the first of a
    // shape costs some twenty whole layouts.
    if (changing)
        placed_.AddOutline(path, text, font, rect, FamilyOf(font.faceName));
    else
        AddTextOutline(path, text, font, rect, FamilyOf(font.faceName));
    RectF bounds;
    if (path.GetPointCount() == 0 || path.GetBounds(&bounds) != Ok) {
        Keep(std::move(entry));
        return true;
    }
    const Rect area = AreaInFrame(*frame_, bounds, 1);
    if (area.Width <= 0) {
        Keep(std::move(entry));
        return true;
    }
    if (!(int64_t{area.Width} * area.Height <= kMaxPixels)) return false;
    entry.left = area.X;
    entry.top = area.Y;
    entry.width = area.Width;
    entry.height = area.Height;

    const SolidBrush brush(Color(font.color));
    KeptDrawing kept = DrawKeepingPixels(*frame_, target, area, [&](Graphics& graphics) { graphics.FillPath(&brush, &path); });
    if (!kept.drawn) return false;
    entry.pixels = std::move(kept.pixels);
    if (entry.pixels.empty()) return true;  // drawn, but its pixels could not be read back
    Keep(std::move(entry));
    return true;
}

const FontFamily* TextPixelCache::FamilyOf(const std::wstring& faceName) {
    for (const auto& [face, family] : families_)
        if (face == faceName) return family.get();
    families_.emplace_back(faceName, DrawingFamily(faceName));
    return families_.back().second.get();
}

// Adds the entry, then drops the least recently used ones beyond the budget.
void TextPixelCache::Keep(Entry entry) {
    pixelsHeld_ += static_cast<int64_t>(entry.pixels.size());
    entries_.push_back(std::move(entry));
    while (entries_.size() > 1 && (entries_.size() > kMaxEntries || pixelsHeld_ > kMaxPixels)) {
        const auto oldest = std::min_element(entries_.begin(), entries_.end() - 1,
                                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
        pixelsHeld_ -= static_cast<int64_t>(oldest->pixels.size());
        entries_.erase(oldest);
    }
}
