// The parts of a widget's record that are plain state: the info text and its
// marquee, the pointer and a hover hotspot's skin, and the rating and sound
// strips as last drawn. The code that changes each lives with its subsystem.
#pragma once

#include "core/pane_rect.h"

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>
#include <vector>

// The info text, and the marquee that slides it while it is too wide.
struct MarqueeState {
    std::wstring infoText;
    bool scrolling = false;  // the scroll timer runs and scrollImage holds the text
    int scrollOffset = 0;
    std::unique_ptr<Gdiplus::Bitmap> scrollImage;
    bool scrollingBack = false;
    int scrollPauseTicks = 0;
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
