#include "render/marquee.h"

#include "core/timer_ids.h"
#include "render/argb_bitmap.h"
#include "render/text.h"
#include "skin/skin_model.h"

using namespace Gdiplus;

namespace {

// The text on one line in a 4000-pixel-wide rectangle of the pane's height,
// whatever the skin's alignment.
void AddOneLineOutline(GraphicsPath& path, const std::wstring& text, const FontSpec& font, int height,
                       const FontFamily* family) {
    if (!family) return;
    StringFormat format(0, LANG_NEUTRAL);
    format.SetAlignment(StringAlignmentNear);
    format.SetLineAlignment(StringAlignmentNear);
    path.AddString(text.c_str(), -1, family, font.style, font.size, RectF(0, 0, 4000, static_cast<REAL>(height)),
                   &format);
}

constexpr int kPauseTicksAtEnd = 5;
constexpr int kStepPixels = 2;

}  // namespace

// The text is laid out once: the outline that measures it is the one slid.
bool MarqueeState::StartIfTooWide(HWND widgetWindow, const SkinModel& skin, const FontFamily* family) {
    const PaneRect& pane = skin.infoPane;
    // A pane the skin leaves out shows nothing, so there is nothing to scroll.
    if (pane.width <= 0 || pane.height == 0) return false;
    GraphicsPath path(FillModeAlternate);
    AddOneLineOutline(path, infoText, skin.font, pane.height, family);
    Rect bounds;
    path.GetBounds(&bounds);
    if (bounds.Width <= pane.width) return false;

    scrolling = true;
    scrollingBack = false;
    scrollOffset = 0;

    scrollImage.reset();
    scrollImage = NewArgbBitmap(bounds.Width + 10, pane.height + 10);
    if (!scrollImage) {
        // No image to slide: the text stays laid out in its pane.
        Stop(widgetWindow);
        return true;
    }
    Graphics graphics(scrollImage.get());
    PrepareGraphics(graphics);
    const SolidBrush brush(Color(skin.font.color));
    graphics.FillPath(&brush, &path);
    SetTimer(widgetWindow, kScrollTimerId, kScrollTimerPeriodMs, nullptr);
    return true;
}

void MarqueeState::Stop(HWND widgetWindow) {
    // Asking the system costs a call each time the text changes, scrolling or not.
    if (scrolling) KillTimer(widgetWindow, kScrollTimerId);
    scrollImage.reset();
    scrolling = false;
}

void MarqueeState::Step(int paneWidth) {
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
