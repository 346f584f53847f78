// Texts of digits, colons and minus signs, such as the counter's, which is a
// new text every second: laying it out whole was half of a playing tick.
// Instead, for each shape of text (the text with every digit read as 0), the
// outline each digit has in each place is kept from whole layouts of the
// shape, and a text is put together from them. A shape is used only once
// texts put together that way gave exactly the points of the same texts laid
// out whole (digits of one width); any other text is laid out whole.
#pragma once

#include "skin/skin_model.h"

#include <windows.h>

#include <gdiplus.h>

#include <string>
#include <vector>

class PlacedGlyphs {
public:
    // Adds the text's outline to `path`, as AddTextOutline would; true when
    // it was put together from kept outlines rather than laid out whole.
    bool AddOutline(Gdiplus::GraphicsPath& path, const std::wstring& text, const FontSpec& font, const PaneRect& rect,
                    const Gdiplus::FontFamily* family);
    // A new skin brings new fonts and panes.
    void Clear() { layouts_.clear(); }

private:
    struct Outline {
        std::vector<Gdiplus::PointF> points;
        std::vector<BYTE> types;
    };
    struct Shape {
        std::wstring key;
        // For each place, the outline of each digit (or of its one sign);
        // empty when texts of this shape are laid out whole.
        std::vector<std::vector<Outline>> places;
    };
    struct Layout {
        FontSpec font;
        PaneRect rect;
        const Gdiplus::FontFamily* family = nullptr;
        std::vector<size_t> glyphPoints;  // points of each character of the alphabet laid out alone
        std::vector<Shape> shapes;
    };

    Layout* LayoutFor(const FontSpec& font, const PaneRect& rect, const Gdiplus::FontFamily* family);
    const Shape* ShapeFor(Layout& layout, const std::wstring& key);
    static Outline WholeLayout(const Layout& layout, const std::wstring& text);
    static bool Place(const Shape& shape, const std::wstring& text, Outline& placed);

    std::vector<Layout> layouts_;
};
