// The marquee: an info text too wide for its pane, rendered once and slid
// back and forth under the pane while the mouse is over the widget.
#include "core/widget_instance.h"
#include "render/argb_bitmap.h"
#include "render/text.h"

using namespace Gdiplus;

namespace {

// The text on one line in a 4000-pixel-wide rectangle of the pane's height.
void AddOneLineOutline(GraphicsPath& path, const std::wstring& text, const FontSpec& font, int height,
                       bool alignLineNear) {
    const FontFamily family(font.faceName.c_str());
    StringFormat format(0, LANG_NEUTRAL);
    format.SetAlignment(StringAlignmentNear);
    if (alignLineNear) format.SetLineAlignment(StringAlignmentNear);
    path.AddString(text.c_str(), -1, &family, font.style, font.size, RectF(0, 0, 4000, static_cast<REAL>(height)),
                   &format);
}

constexpr int kPauseTicksAtEnd = 5;
constexpr int kStepPixels = 2;

}  // namespace

bool WidgetInstance::TextTooWide() {
    const PaneRect& pane = skin->infoPane;
    // A pane the skin leaves out shows nothing, so there is nothing to scroll.
    if (pane.width <= 0 || pane.height == 0) return false;
    GraphicsPath path(FillModeAlternate);
    AddOneLineOutline(path, infoText, skin->font, pane.height, false);
    Rect bounds;
    path.GetBounds(&bounds);
    return bounds.Width > pane.width;
}

void WidgetInstance::StartMarquee(const std::wstring& text) {
    infoText = text;
    scrolling = true;
    scrollingBack = false;
    scrollOffset = 0;

    const PaneRect& pane = skin->infoPane;
    GraphicsPath path(FillModeAlternate);
    AddOneLineOutline(path, infoText, skin->font, pane.height, true);
    Rect bounds;
    path.GetBounds(&bounds);

    scrollImage.reset();
    scrollImage = NewArgbBitmap(bounds.Width + 10, pane.height + 10);
    if (!scrollImage) {
        // No image to slide: the text stays laid out in its pane.
        StopMarquee();
        return;
    }
    Graphics graphics(scrollImage.get());
    PrepareGraphics(graphics);
    const SolidBrush brush(Color(skin->font.color));
    graphics.FillPath(&brush, &path);
    SetTimer(deskletWindow, kScrollTimerId, kScrollTimerPeriodMs, nullptr);
}

void WidgetInstance::StopMarquee() {
    KillTimer(deskletWindow, kScrollTimerId);
    scrollImage.reset();
    scrolling = false;
}

void WidgetInstance::MarqueeStep() {
    const int paneWidth = skin ? skin->infoPane.width : 0;
    const int imageWidth = scrollImage ? static_cast<int>(scrollImage->GetWidth()) : 0;
    if (!scrollingBack) {
        if (paneWidth < imageWidth - scrollOffset) {
            scrollOffset += kStepPixels;
            return;
        }
    } else if (scrollOffset > 0) {
        scrollOffset -= kStepPixels;
        return;
    }
    if (++scrollPauseTicks > kPauseTicksAtEnd) {
        scrollPauseTicks = 0;
        scrollingBack = !scrollingBack;
    }
}
