#include "render/placed_glyphs.h"

#include "render/text.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <iterator>

using namespace Gdiplus;

namespace {

constexpr wchar_t kAlphabet[] = L"0123456789:-";
constexpr size_t kAlphabetSize = std::size(kAlphabet) - 1;
// A few fonts and panes, a few shapes each, texts of a counter's length:
// at most some hundreds of kilobytes of outlines.
constexpr size_t kMaxLayouts = 4;
constexpr size_t kMaxShapes = 4;
constexpr size_t kMaxLength = 16;

size_t GlyphIndex(wchar_t c) {
    const wchar_t* at = c ? std::wcschr(kAlphabet, c) : nullptr;
    return at ? static_cast<size_t>(at - kAlphabet) : kAlphabetSize;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The key's digits, counted from `first` up, one more for each place.
std::wstring WithDigitsFrom(std::wstring key, int first, int step) {
    int digit = first;
    for (wchar_t& c : key) {
        if (!IsDigit(c)) continue;
        c = static_cast<wchar_t>(L'0' + digit % 10);
        digit += step;
    }
    return key;
}

// Bit for bit: the same points fill the same pixels.
template <class Outline>
bool SameOutline(const Outline& a, const Outline& b) {
    return a.points.size() == b.points.size() && a.types == b.types &&
           std::memcmp(a.points.data(), b.points.data(), a.points.size() * sizeof(PointF)) == 0;
}

template <class Outline>
Outline OutlineOf(const GraphicsPath& path) {
    Outline outline;
    const INT count = path.GetPointCount();
    if (count <= 0) return outline;
    outline.points.resize(static_cast<size_t>(count));
    outline.types.resize(static_cast<size_t>(count));
    if (path.GetPathPoints(outline.points.data(), count) != Ok || path.GetPathTypes(outline.types.data(), count) != Ok)
        return {};
    return outline;
}

// Adds the points as one more part of the path.
template <class Outline>
bool AddPoints(GraphicsPath& path, const Outline& outline) {
    const GraphicsPath part(outline.points.data(), outline.types.data(), static_cast<INT>(outline.points.size()));
    return path.AddPath(&part, FALSE) == Ok;
}

}  // namespace

bool PlacedGlyphs::AddOutline(GraphicsPath& path, const std::wstring& text, const FontSpec& font, const PaneRect& rect,
                              const FontFamily* family) {
    const bool placeable =
        family && !text.empty() && text.size() <= kMaxLength &&
        std::all_of(text.begin(), text.end(), [](wchar_t c) { return GlyphIndex(c) < kAlphabetSize; });
    if (placeable) {
        Layout* layout = LayoutFor(font, rect, family);
        const Shape* shape = layout ? ShapeFor(*layout, WithDigitsFrom(text, 0, 0)) : nullptr;
        Outline placed;
        if (shape && Place(*shape, text, placed) && AddPoints(path, placed)) return true;
    }
    AddTextOutline(path, text, font, rect, family);
    return false;
}

PlacedGlyphs::Layout* PlacedGlyphs::LayoutFor(const FontSpec& font, const PaneRect& rect, const FontFamily* family) {
    for (Layout& layout : layouts_)
        if (layout.family == family && SameFont(layout.font, font) && SameRect(layout.rect, rect)) return &layout;
    if (layouts_.size() >= kMaxLayouts) return nullptr;
    Layout layout{font, rect, family, {}, {}};
    for (size_t i = 0; i < kAlphabetSize; ++i)
        layout.glyphPoints.push_back(WholeLayout(layout, std::wstring(1, kAlphabet[i])).points.size());
    layouts_.push_back(std::move(layout));
    return &layouts_.back();
}

// Whole layouts of the shape with every digit the same, split into each
// character's points, give each digit's outline in each place; texts with
// the digits counting up, put together and laid out whole, must then agree.
const PlacedGlyphs::Shape* PlacedGlyphs::ShapeFor(Layout& layout, const std::wstring& key) {
    for (const Shape& shape : layout.shapes)
        if (shape.key == key) return &shape;
    if (layout.shapes.size() >= kMaxShapes) return nullptr;
    std::vector<std::vector<Outline>> places(key.size());
    bool exact = true;
    for (int digit = 0; exact && digit <= 9; ++digit) {
        const std::wstring sample = WithDigitsFrom(key, digit, 0);
        const Outline whole = WholeLayout(layout, sample);
        size_t at = 0;
        for (size_t place = 0; exact && place < key.size(); ++place) {
            const size_t count = layout.glyphPoints[GlyphIndex(sample[place])];
            exact = count > 0 && count <= whole.points.size() - at;
            if (!exact || (!IsDigit(key[place]) && digit > 0)) {
                at += count;
                continue;
            }
            places[place].push_back({{whole.points.begin() + at, whole.points.begin() + at + count},
                                     {whole.types.begin() + at, whole.types.begin() + at + count}});
            at += count;
        }
        exact = exact && at == whole.points.size();
    }
    Shape shape{key, {}};
    if (exact) shape.places = std::move(places);
    for (int first = 0; !shape.places.empty() && first <= 9; ++first) {
        const std::wstring sample = WithDigitsFrom(key, first, 1);
        Outline placed;
        // Through a path, as a placed text goes into the frame's.
        GraphicsPath through(FillModeAlternate);
        if (!Place(shape, sample, placed) || !AddPoints(through, placed) ||
            !SameOutline(OutlineOf<Outline>(through), WholeLayout(layout, sample)))
            shape.places.clear();
    }
    layout.shapes.push_back(std::move(shape));
    return &layout.shapes.back();
}

PlacedGlyphs::Outline PlacedGlyphs::WholeLayout(const Layout& layout, const std::wstring& text) {
    GraphicsPath path(FillModeAlternate);
    AddTextOutline(path, text, layout.font, layout.rect, layout.family);
    return OutlineOf<Outline>(path);
}

bool PlacedGlyphs::Place(const Shape& shape, const std::wstring& text, Outline& placed) {
    if (shape.places.size() != text.size()) return false;
    placed = {};
    for (size_t place = 0; place < text.size(); ++place) {
        const std::vector<Outline>& outlines = shape.places[place];
        const size_t index = IsDigit(text[place]) ? static_cast<size_t>(text[place] - L'0') : 0;
        if (index >= outlines.size()) return false;
        const Outline& glyph = outlines[index];
        placed.points.insert(placed.points.end(), glyph.points.begin(), glyph.points.end());
        placed.types.insert(placed.types.end(), glyph.types.begin(), glyph.types.end());
    }
    return true;
}
