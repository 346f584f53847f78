#include "host/present_surface.h"

namespace host {

UINT32* PresentSurface::PixelsFor(SIZE size, bool& made) {
    made = false;
    if (pixels_ && size.cx == size_.cx && size.cy == size_.cy) return pixels_;
    selected_.reset();
    section_.reset();
    pixels_ = nullptr;
    if (!memory_) memory_.reset(CreateCompatibleDC(screen_.get()));
    if (!memory_) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down, as frames are kept
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    section_.reset(CreateDIBSection(screen_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section_ || !bits) {
        section_.reset();
        return nullptr;
    }
    selected_.emplace(memory_.get(), section_.get());
    pixels_ = static_cast<UINT32*>(bits);
    size_ = size;
    sizeShown_ = false;
    made = true;
    return pixels_;
}

// Neither the position (the window keeps its own) nor an unchanged size is
// passed: for either, the system would move the window anew, which under Wine
// costs more than the frame.
void PresentSurface::Show(HWND window, BYTE opacity, const RECT* dirty) {
    if (!pixels_) return;
    const POINT origin = {0, 0};
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
    UPDATELAYEREDWINDOWINFO update = {};
    update.cbSize = sizeof update;
    update.hdcDst = screen_.get();
    update.psize = sizeShown_ ? nullptr : &size_;
    update.hdcSrc = memory_.get();
    update.pptSrc = &origin;
    update.pblend = &blend;
    update.dwFlags = ULW_ALPHA;
    update.prcDirty = dirty;
    sizeShown_ = UpdateLayeredWindowIndirect(window, &update) != FALSE;
}

}  // namespace host
