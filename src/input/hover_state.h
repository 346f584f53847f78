// The pointer over the widget, and the skin a hover hotspot brought while the
// pointer stays in its area; the hotspot's record belongs to the skin it
// replaced, so what leaving needs is kept here.
#pragma once

#include "core/pane_rect.h"

#include <string>
#include <vector>

struct ChangeSkinHotSpot;

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
