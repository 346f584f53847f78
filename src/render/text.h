// Text drawn as filled outlines, and the drawing setup every graphics shares.
#pragma once

#include "skin/skin_model.h"

#include <windows.h>

#include <gdiplus.h>

#include <string>

// The Win32 macro of the same name would rename ours.
#undef DrawText

// Anti-aliased outlines and high-quality bicubic scaling.
void PrepareGraphics(Gdiplus::Graphics& graphics);

// Adds the text's outline, laid out in the integer rectangle with the font's
// alignment; words wrap at the rectangle's width. The family to draw the
// font's face with may be given (finding a family by name enumerates the
// installed fonts); nothing is added without one.
void AddTextOutline(Gdiplus::GraphicsPath& path, const std::wstring& text, const FontSpec& font, const PaneRect& rect);
void AddTextOutline(Gdiplus::GraphicsPath& path, const std::wstring& text, const FontSpec& font, const PaneRect& rect,
                    const Gdiplus::FontFamily* family);

// The same font in the same rectangle lays a text out the same.
bool SameFont(const FontSpec& a, const FontSpec& b);
bool SameRect(const PaneRect& a, const PaneRect& b);

// Fills the text's outline in the font's colour.
void DrawText(Gdiplus::Graphics& graphics, const std::wstring& text, const FontSpec& font, const PaneRect& rect);
