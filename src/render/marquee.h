// The info text, and the marquee that slides it while it is too wide for its
// pane: laid out once into an image, slid back and forth under the pane on the
// scroll timer while the pointer is over the widget.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>

struct SkinModel;

struct MarqueeState {
    std::wstring infoText;
    bool scrolling = false;  // the scroll timer runs and scrollImage holds the text
    int scrollOffset = 0;
    std::unique_ptr<Gdiplus::Bitmap> scrollImage;
    bool scrollingBack = false;
    int scrollPauseTicks = 0;

    // Slides the text on the widget's window when it is wider than the skin's
    // info pane, laid out with the family the skin's font draws with; false
    // when it fits.
    bool StartIfTooWide(HWND widgetWindow, const SkinModel& skin, const Gdiplus::FontFamily* family);
    void Stop(HWND widgetWindow);
    // One tick of the scroll timer under a pane of the given width.
    void Step(int paneWidth);
};
