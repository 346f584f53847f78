// Text as filled glyph outlines: the same look for every text of a skin.
#include "render/text.h"

#include "render/font_face.h"

using namespace Gdiplus;

void PrepareGraphics(Graphics& graphics) {
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.SetInterpolationMode(InterpolationModeHighQualityBicubic);
}

void AddTextOutline(GraphicsPath& path, const std::wstring& text, const FontSpec& font, const PaneRect& rect,
                    const FontFamily* family) {
    if (!family) return;
    StringFormat format(0, LANG_NEUTRAL);
    format.SetAlignment(static_cast<StringAlignment>(font.hAlignment));
    path.AddString(text.c_str(), -1, family, font.style, font.size, Rect(rect.left, rect.top, rect.width, rect.height),
                   &format);
}

void AddTextOutline(GraphicsPath& path, const std::wstring& text, const FontSpec& font, const PaneRect& rect) {
    AddTextOutline(path, text, font, rect, DrawingFamily(font.faceName).get());
}

void DrawText(Graphics& graphics, const std::wstring& text, const FontSpec& font, const PaneRect& rect) {
    GraphicsPath path(FillModeAlternate);
    AddTextOutline(path, text, font, rect);
    const SolidBrush brush(Color(font.color));
    graphics.FillPath(&brush, &path);
}

bool SameFont(const FontSpec& a, const FontSpec& b) {
    return a.faceName == b.faceName && a.color == b.color && a.size == b.size && a.style == b.style &&
           a.hAlignment == b.hAlignment;
}

bool SameRect(const PaneRect& a, const PaneRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
