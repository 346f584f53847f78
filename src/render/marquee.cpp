// The marquee: an info text too wide for its pane, rendered once and slid
// back and forth under the pane while the mouse is over the widget.
#include "core/widget_instance.h"
#include "render/argb_bitmap.h"
#include "render/font_face.h"
#include "render/skin_caches.h"
#include "render/text.h"
#include "skin/skin_model.h"

using namespace Gdiplus;

namespace {

// The text on one line in a 4000-pixel-wide rectangle of the pane's height,
// whatever the skin's alignment.
void AddOneLineOutline(GraphicsPath& path, const std::wstring& text, const FontSpec& font, int height) {
    const std::unique_ptr<FontFamily> family = DrawingFamily(font.faceName);
    if (!family) return;
    StringFormat format(0, LANG_NEUTRAL);
    format.SetAlignment(StringAlignmentNear);
    format.SetLineAlignment(StringAlignmentNear);
    path.AddString(text.c_str(), -1, family.get(), font.style, font.size, RectF(0, 0, 4000, static_cast<REAL>(height)),
                   &format);
}

constexpr int kPauseTicksAtEnd = 5;
constexpr int kStepPixels = 2;

}  // namespace

// The text is laid out once: the outline that measures it is the one slid.
bool WidgetInstance::StartMarqueeIfTooWide() {
    const PaneRect& pane = skin->infoPane;
    // A pane the skin leaves out shows nothing, so there is nothing to scroll.
    if (pane.width <= 0 || pane.height == 0) return false;
    GraphicsPath path(FillModeAlternate);
    AddOneLineOutline(path, marquee.infoText, skin->font, pane.height);
    Rect bounds;
    path.GetBounds(&bounds);
    if (bounds.Width <= pane.width) return false;

    marquee.scrolling = true;
    marquee.scrollingBack = false;
    marquee.scrollOffset = 0;

    marquee.scrollImage.reset();
    marquee.scrollImage = NewArgbBitmap(bounds.Width + 10, pane.height + 10);
    if (!marquee.scrollImage) {
        // No image to slide: the text stays laid out in its pane.
        StopMarquee();
        return true;
    }
    Graphics graphics(marquee.scrollImage.get());
    PrepareGraphics(graphics);
    const SolidBrush brush(Color(skin->font.color));
    graphics.FillPath(&brush, &path);
    SetTimer(deskletWindow, kScrollTimerId, kScrollTimerPeriodMs, nullptr);
    return true;
}

void WidgetInstance::StopMarquee() {
    KillTimer(deskletWindow, kScrollTimerId);
    marquee.scrollImage.reset();
    marquee.scrolling = false;
}

void WidgetInstance::MarqueeStep() {
    const int paneWidth = skin ? skin->infoPane.width : 0;
    const int imageWidth = marquee.scrollImage ? static_cast<int>(marquee.scrollImage->GetWidth()) : 0;
    if (!marquee.scrollingBack) {
        if (paneWidth < imageWidth - marquee.scrollOffset) {
            marquee.scrollOffset += kStepPixels;
            return;
        }
    } else if (marquee.scrollOffset > 0) {
        marquee.scrollOffset -= kStepPixels;
        return;
    }
    if (++marquee.scrollPauseTicks > kPauseTicksAtEnd) {
        marquee.scrollPauseTicks = 0;
        marquee.scrollingBack = !marquee.scrollingBack;
    }
}
