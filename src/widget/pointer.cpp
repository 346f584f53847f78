// The pointer over the widget: hover hotspots, the marquee, mouse capture.
#include "widget/operations.h"
#include "widget/redraw.h"
#include "widget/skin_transitions.h"

void MouseMove(WidgetInstance& widget, int x, int y) {
    HoverState& hover = widget.hover;
    // A move that arrives while an earlier one still runs (a transition may
    // pump messages) is dropped.
    if (hover.inMouseMove) return;
    hover.inMouseMove = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{hover.inMouseMove};

    if (hover.skinActive && !hover.rect.Contains(x, y)) LeaveHoverSkin(widget);
    // The restored skin's own hotspot under the point fires in the same move.
    if (widget.skin) HoverHotSpot(widget, x, y);
}

void MouseOn(WidgetInstance& widget) {
    widget.hover.mouseOver = true;
    if (!widget.marquee.scrolling) StartMarqueeIfTooWide(widget);
    SetCapture(widget.deskletWindow);
}

void MouseOut(WidgetInstance& widget) {
    widget.hover.mouseOver = false;
    if (widget.marquee.scrolling) {
        widget.marquee.Stop(widget.deskletWindow);
        Redraw(widget, false);
    }
    if (widget.hover.skinActive) LeaveHoverSkin(widget);
    ReleaseCapture();
}
