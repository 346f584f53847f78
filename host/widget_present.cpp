// The present path. A redraw asked for marks the widget and posts one message,
// so however many layer calls a tick of the module makes, the frame is
// composed and put on screen once, after the module returned. The composed
// frame is kept premultiplied, as a layered window takes it; enlarged by the
// widget's whole-number scale (nearest neighbour, so that pixel art stays
// sharp), it goes onto the window at the widget's opacity.
#include "host/widget_window.h"

#include <cstring>

namespace host {
namespace {

// Each pixel of `from` (width x height) becomes a scale x scale block of `to`.
void Enlarge(const FrameCompositor::Pixels& from, LONG width, LONG height, int scale, UINT32* to) {
    const LONG scaledWidth = width * scale;
    for (LONG y = 0; y < height * scale; ++y) {
        const UINT32* source = from.data() + (y / scale) * width;
        UINT32* row = to + y * scaledWidth;
        for (LONG x = 0; x < scaledWidth; ++x) row[x] = source[x / scale];
    }
}

}  // namespace

void WidgetWindow::RequestPresent(bool evenIfUnchanged) {
    presentEvenIfUnchanged_ |= evenIfUnchanged;
    if (presentPosted_ || !window_) return;
    presentPosted_ = PostMessageA(window_.get(), kPresentMessage, 0, 0) != FALSE;
    if (!presentPosted_) Present();  // a full queue: better late work now than a stale widget
}

void WidgetWindow::Present() {
    presentPosted_ = false;
    // A widget out of sight keeps its changes for when it shows again.
    if (!window_ || !visible_ || covered_) return;
    const FrameCompositor::Pixels& frame = compositor_.Compose(layers_, size_);
    bool made = false;
    UINT32* pixels = surface_.PixelsFor(WindowSize(), made);
    if (!pixels) return;
    if (!made && !compositor_.changedInLastCompose() && !presentEvenIfUnchanged_) return;
    presentEvenIfUnchanged_ = false;
    GdiFlush();  // GDI is done with the section before it is written
    if (scale_ == 1)
        std::memcpy(pixels, frame.data(), frame.size() * sizeof frame[0]);
    else
        Enlarge(frame, size_.cx, size_.cy, scale_, pixels);
    surface_.Show(window_.get(), Position(), static_cast<BYTE>(255 * options_.opacityPercent / 100));
    ++framesPresented_;
}

}  // namespace host
