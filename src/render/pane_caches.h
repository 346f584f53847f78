// The rating and sound panes as last drawn: each strip with the value it was
// drawn for, and the sound knob's image once loaded.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>

// A pane's strip as last drawn, with the value it was drawn for (-1: draw anew).
struct ValueStrip {
    std::unique_ptr<Gdiplus::Image> image;
    long value = -1;
};

struct PaneCaches {
    ValueStrip rating;
    ValueStrip sound;
    std::unique_ptr<Gdiplus::Image> soundKnobImage;
};
