// The present path: the composed frame, enlarged by the widget's whole-number
// scale (nearest neighbour, so that pixel art stays sharp), goes onto the
// layered window at the widget's opacity.
#include "host/widget_window.h"

#include <vector>

namespace host {
namespace {

// Each pixel of `from` (width x height) becomes a scale x scale block of `to`.
void Enlarge(const std::vector<UINT32>& from, LONG width, LONG height, int scale, UINT32* to) {
    const LONG scaledWidth = width * scale;
    for (LONG y = 0; y < height * scale; ++y) {
        const UINT32* source = from.data() + (y / scale) * width;
        UINT32* row = to + y * scaledWidth;
        for (LONG x = 0; x < scaledWidth; ++x) row[x] = source[x / scale];
    }
}

}  // namespace

void WidgetWindow::Refresh() {
    if (!window_) return;
    const std::unique_ptr<Gdiplus::Bitmap> frame = Snapshot();
    const SIZE size = WindowSize();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down, like GDI+ rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ScreenDc screen;
    void* bits = nullptr;
    UniqueBitmap section(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!section || !memory || !bits) return;

    // The layered window wants premultiplied alpha: GDI+ converts on the way
    // out, straight into the section at 100 %, else into a frame to enlarge.
    std::vector<UINT32> unscaled;
    if (scale_ != 1) unscaled.resize(static_cast<size_t>(size_.cx) * static_cast<size_t>(size_.cy));
    Gdiplus::Rect whole(0, 0, size_.cx, size_.cy);
    Gdiplus::BitmapData data = {};
    data.Width = static_cast<UINT>(size_.cx);
    data.Height = static_cast<UINT>(size_.cy);
    data.Stride = size_.cx * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = scale_ != 1 ? unscaled.data() : bits;
    if (frame->LockBits(&whole, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf, PixelFormat32bppPARGB,
                        &data) != Gdiplus::Ok)
        return;
    frame->UnlockBits(&data);
    if (scale_ != 1) Enlarge(unscaled, size_.cx, size_.cy, scale_, static_cast<UINT32*>(bits));

    SelectedObject selected(memory.get(), section.get());
    POINT position = Position();
    POINT origin = {0, 0};
    SIZE windowSize = size;
    const auto opacity = static_cast<BYTE>(255 * options_.opacityPercent / 100);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
    UpdateLayeredWindow(window_.get(), screen.get(), &position, &windowSize, memory.get(), &origin, 0, &blend,
                        ULW_ALPHA);
}

}  // namespace host
