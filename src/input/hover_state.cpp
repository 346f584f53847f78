#include "input/hover_state.h"

#include "skin/skin_model.h"

#include <climits>

namespace {

int Negated(int value) { return value == INT_MIN ? INT_MAX : -value; }

}  // namespace

void HoverState::Enter(const ChangeSkinHotSpot& spot) {
    skinActive = true;
    // Without a watched area of its own, the hotspot watches the screen area
    // it covered before the widget moved by its offsets.
    rect = spot.newRect.HasArea() ? spot.newRect : spot.rect.Offset(Negated(spot.xOffset), Negated(spot.yOffset));
    mouseOutXOffset = spot.mouseOutXOffset;
    mouseOutYOffset = spot.mouseOutYOffset;
    animationFrames = spot.animationFrames;
    mouseOutSkinName = spot.mouseOutSkinName;
}
