// The present path. A redraw asked for marks the widget and posts one message,
// so however many layer calls a tick of the module makes, the frame is
// composed and put on screen once, after the module returned. The composed
// frame is kept premultiplied, as a layered window takes it; only the part
// that differs from the frame on screen is copied, enlarged by the widget's
// whole-number scale (nearest neighbour, so that pixel art stays sharp), and
// sent to the window at the widget's opacity.
#include "host/changed_area.h"
#include "host/widget_window.h"

#include <cstring>

namespace host {
namespace {

// Each pixel of the area of `from` (width wide) becomes a scale x scale block of `to`.
void CopyEnlarged(const uint32_t* from, LONG width, const RECT& area, int scale, UINT32* to) {
    const LONG scaledWidth = width * scale;
    for (LONG y = area.top * scale; y < area.bottom * scale; ++y) {
        const uint32_t* source = from + (y / scale) * width;
        UINT32* row = to + y * scaledWidth;
        if (scale == 1) {
            std::memcpy(row + area.left, source + area.left, (area.right - area.left) * sizeof *row);
            continue;
        }
        for (LONG x = area.left * scale; x < area.right * scale; ++x) row[x] = source[x / scale];
    }
}

RECT Scaled(const RECT& area, int scale) {
    return {area.left * scale, area.top * scale, area.right * scale, area.bottom * scale};
}

}  // namespace

void WidgetWindow::RequestPresent(bool evenIfUnchanged) {
    presentEvenIfUnchanged_ |= evenIfUnchanged;
    if (presentPosted_ || !window_) return;
    presentPosted_ = PostMessageA(window_.get(), kPresentMessage, 0, 0) != FALSE;
    if (!presentPosted_) Present();  // a full queue: better the work now than a stale widget
}

void WidgetWindow::Present() {
    presentPosted_ = false;
    // A widget out of sight keeps its changes for when it shows again.
    if (!window_ || !OnScreen()) return;
    const FrameCompositor::Pixels& frame = compositor_.Compose(layers_, size_);
    bool made = false;
    UINT32* pixels = surface_.PixelsFor(WindowSize(), made);
    if (!pixels) return;
    const bool whole = made || presentEvenIfUnchanged_ || shown_.size() != frame.size();
    RECT area = {0, 0, size_.cx, size_.cy};
    if (!whole && !ChangedArea(frame.data(), shown_.data(), size_, area)) return;
    presentEvenIfUnchanged_ = false;
    GdiFlush();  // GDI is done with the section before it is written
    CopyEnlarged(frame.data(), size_.cx, area, scale_, pixels);
    if (whole)
        shown_ = frame;
    else
        CopyEnlarged(frame.data(), size_.cx, area, 1, shown_.data());
    const RECT dirty = Scaled(area, scale_);
    surface_.Show(window_.get(), static_cast<BYTE>(255 * options_.opacityPercent / 100), whole ? nullptr : &dirty);
    ++framesPresented_;
    // Its frame first, so that it shows whole, where its layer puts it.
    if (showWithNextFrame_) {
        showWithNextFrame_ = false;
        ShowWindow(window_.get(), SW_SHOWNA);
        owner_.WidgetShown(*this);
    }
}

}  // namespace host
