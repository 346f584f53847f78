// Pixels of texts already laid out, so that a text that did not change since
// an earlier frame is copied instead of laid out again as a path.
#pragma once

#include "render/placed_glyphs.h"
#include "skin/skin_model.h"

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TextPixelCache {
public:
    // Cached texts go straight into the pixels of the frame being composed;
    // outside a frame they are drawn uncached.
    void BeginFrame(Gdiplus::Bitmap& frame) { frame_ = &frame; }
    void EndFrame() { frame_ = nullptr; }
    // Draws the text as DrawText would, from the cache when it holds it.
    void Draw(Gdiplus::Graphics& target, const std::wstring& text, const FontSpec& font, const PaneRect& rect) {
        DrawCached(target, text, font, rect, false);
    }
    // The same for a text that is new tick after tick, the counter: a new one
    // is put together from kept glyph outlines where that gives the same outline.
    void DrawChanging(Gdiplus::Graphics& target, const std::wstring& text, const FontSpec& font, const PaneRect& rect) {
        DrawCached(target, text, font, rect, true);
    }
    // Drops every entry; a new skin brings new fonts, rectangles and frame size.
    void Clear();
    // The family a face draws with, found once per face (finding a family by
    // name enumerates the installed fonts); kept until Clear.
    const Gdiplus::FontFamily* FamilyOf(const std::wstring& faceName);

private:
    struct Entry {
        std::wstring text;
        FontSpec font;
        PaneRect rect;
        std::vector<uint32_t> pixels;  // empty when nothing of the text shows in the frame
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        uint64_t lastUse = 0;
    };

    void DrawCached(Gdiplus::Graphics& target, const std::wstring& text, const FontSpec& font, const PaneRect& rect,
                    bool changing);
    Entry* Find(const std::wstring& text, const FontSpec& font, const PaneRect& rect);
    bool DrawAndKeep(Gdiplus::Graphics& target, const std::wstring& text, const FontSpec& font, const PaneRect& rect,
                     bool changing);
    void Keep(Entry entry);

    std::vector<Entry> entries_;
    uint64_t useClock_ = 0;
    int64_t pixelsHeld_ = 0;
    Gdiplus::Bitmap* frame_ = nullptr;  // not owned
    std::vector<std::pair<std::wstring, std::unique_ptr<Gdiplus::FontFamily>>> families_;
    PlacedGlyphs placed_;  // changing texts' glyph outlines; holds pointers into families_, cleared with it
};
