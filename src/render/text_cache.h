// Pixels of texts already laid out, so that a text that did not change since
// an earlier frame is copied instead of laid out again as a path.
#pragma once

#include "skin/skin_model.h"

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TextPixelCache {
public:
    // Draws the text as DrawText would, from the cache when it holds it.
    void Draw(Gdiplus::Graphics& target, const std::wstring& text, const FontSpec& font, const PaneRect& rect);
    // Drops every entry; a new skin brings new fonts and rectangles.
    void Clear();
    size_t EntryCount() const { return entries_.size(); }

private:
    struct Entry {
        std::wstring text;
        FontSpec font;
        PaneRect rect;
        std::unique_ptr<Gdiplus::Bitmap> pixels;  // null when the text has no outline
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        uint64_t lastUse = 0;
    };

    const Entry* Find(const std::wstring& text, const FontSpec& font, const PaneRect& rect);
    const Entry* Add(const std::wstring& text, const FontSpec& font, const PaneRect& rect);
    void EvictBeyondBudget();

    std::vector<Entry> entries_;
    uint64_t useClock_ = 0;
    int64_t pixelsHeld_ = 0;
};
