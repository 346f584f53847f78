// The parts of a widget's record that are plain state: the info text and its
// marquee, the pointer and a hover hotspot's skin, and the rating and sound
// strips as last drawn. The code that changes each lives with its subsystem:
// the marquee's with the drawing, the hover state's with the input.
#pragma once

#include "core/pane_rect.h"

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>
#include <vector>

struct SkinModel;
struct ChangeSkinHotSpot;

// The info text, and the marquee that slides it while it is too wide.
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

// The pointer over the widget, and the skin a hover hotspot brought while the
// pointer stays in its area; the hotspot's record belongs to the skin it
// replaced, so what leaving needs is kept here.
struct HoverState {
    bool mouseOver = false;
    bool skinActive = false;
    PaneRect rect;
    std::string mouseOutSkinName;
    int mouseOutXOffset = 0;
    int mouseOutYOffset = 0;
    std::vector<std::string> animationFrames;
    bool inMouseMove = false;

    // Takes the hotspot's area, and what leaving it needs, while the pointer stays.
    void Enter(const ChangeSkinHotSpot& spot);
};

// A pane's strip as last drawn, with the value it was drawn for (-1: draw anew).
struct ValueStrip {
    std::unique_ptr<Gdiplus::Image> image;
    long value = -1;
};

// The rating and sound strips, and the sound knob's image once loaded.
struct PaneCaches {
    ValueStrip rating;
    ValueStrip sound;
    std::unique_ptr<Gdiplus::Image> soundKnobImage;
};
