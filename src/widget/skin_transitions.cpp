#include "widget/skin_transitions.h"

#include "input/hotspots.h"
#include "platform/host_api.h"
#include "skin/skin_images.h"
#include "widget/load_skin.h"
#include "widget/redraw.h"

namespace {

// The widget's screen rectangle, shifted by (dx, dy).
RECT WidgetRect(const WidgetInstance& widget, int dx = 0, int dy = 0) {
    POINT position = {};
    SIZE size = {};
    CallIfPresent(Host().DeskletGetPosition, widget.deskletWindow, &position);
    CallIfPresent(Host().DeskletGetSize, widget.deskletWindow, &size);
    return PaneRect{position.x, position.y, size.cx, size.cy}.Offset(dx, dy).ToRect();
}

void MoveWidget(const WidgetInstance& widget, RECT bounds, BOOL redraw) {
    CallIfPresent(Host().DeskletMove, widget.deskletWindow, &bounds, redraw);
}

// Each frame becomes the widget's base image in turn; the host shows one
// before it loads the next, so the frames need no timer.
template <class Iterator>
void PlayFrames(const WidgetInstance& widget, const std::string& skinName, Iterator first, Iterator last) {
    const SkinImages images(widget.deskletWindow, skinName);
    for (; first != last; ++first) {
        const std::string path = images.Path(*first);
        if (!path.empty()) CallIfPresent(Host().DeskletSetImageFile, widget.deskletWindow, path.c_str());
    }
}

enum class Trigger { Click, Hover };

// Returns the model the transition replaced, if it loaded a skin. A click
// notes the widget's place before and after the load; keeping the current
// size shows the frames where the old skin was.
SkinModelPtr RunTransition(WidgetInstance& widget, const ChangeSkinHotSpot& spot, Trigger trigger) {
    const RECT shifted = WidgetRect(widget, spot.xOffset, spot.yOffset);
    if (spot.animationFrames.empty()) {
        if (spot.newSkinName.empty()) {
            MoveWidget(widget, shifted, TRUE);
            return nullptr;
        }
        MoveWidget(widget, shifted, FALSE);
        return LoadSkinAndRedraw(widget, spot.newSkinName);
    }
    const bool click = trigger == Trigger::Click;
    const bool keepSize = click && spot.useCurrentSkinSizeForAnimation;
    const std::string oldSkin = widget.settings.skinDir;
    const RECT current = click ? WidgetRect(widget) : RECT{};
    if (!keepSize) MoveWidget(widget, shifted, FALSE);
    auto previous = LoadSkin(widget, spot.newSkinName, true);
    const RECT loaded = click ? WidgetRect(widget) : RECT{};
    if (keepSize) MoveWidget(widget, current, FALSE);
    PlayFrames(widget, oldSkin, spot.animationFrames.begin(), spot.animationFrames.end());
    if (keepSize) MoveWidget(widget, loaded, FALSE);
    Redraw(widget, true);
    return previous;
}

}  // namespace

void ClickHotSpot(WidgetInstance& widget, POINT point) {
    const ChangeSkinHotSpot* spot = ClickHotSpotAt(*widget.skin, point, widget.settings.skinDir);
    if (!spot) return;
    widget.hover.skinActive = false;
    // The replaced model, which holds the hotspot, goes once the transition is done.
    const SkinModelPtr previous = RunTransition(widget, *spot, Trigger::Click);
}

void HoverHotSpot(WidgetInstance& widget, int x, int y) {
    const ChangeSkinHotSpot* found = HoverHotSpotAt(*widget.skin, x, y);
    if (!found) return;
    const ChangeSkinHotSpot& spot = *found;
    SkinModelPtr previous;
    if (!EqualsIgnoringAsciiCase(spot.newSkinName, widget.settings.skinDir))
        previous = RunTransition(widget, spot, Trigger::Hover);
    widget.hover.Enter(spot);
}

void LeaveHoverSkin(WidgetInstance& widget) {
    HoverState& hover = widget.hover;
    hover.skinActive = false;
    if (hover.mouseOutSkinName.empty() || EqualsIgnoringAsciiCase(hover.mouseOutSkinName, widget.settings.skinDir))
        return;

    const RECT shifted = WidgetRect(widget, hover.mouseOutXOffset, hover.mouseOutYOffset);
    const auto& frames = hover.animationFrames;
    if (frames.empty()) {
        MoveWidget(widget, shifted, FALSE);
        (void)LoadSkinAndRedraw(widget, hover.mouseOutSkinName);
        return;
    }
    // The entering frames run backwards at the hover skin's place; the
    // widget then takes the restored skin's size and background.
    const RECT current = WidgetRect(widget);
    const SkinModelPtr previous = LoadSkin(widget, hover.mouseOutSkinName, true);
    const RECT loaded = WidgetRect(widget);
    MoveWidget(widget, current, FALSE);
    PlayFrames(widget, hover.mouseOutSkinName, frames.rbegin(), frames.rend());
    MoveWidget(widget, loaded, FALSE);
    const std::string background = SkinImages(widget.deskletWindow, widget.settings.skinDir).Path("bg.png");
    if (!background.empty()) CallIfPresent(Host().DeskletSetImageFile, widget.deskletWindow, background.c_str());
    Redraw(widget, true);
}
