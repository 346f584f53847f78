// The pointer over the widget: hover hotspots, the marquee, mouse capture.
#include "core/widget_instance.h"
#include "input/hotspots.h"
#include "skin/skin_model.h"

void WidgetInstance::MouseMove(int x, int y) {
    // A move that arrives while an earlier one still runs (a transition may
    // pump messages) is dropped.
    if (hover.inMouseMove) return;
    hover.inMouseMove = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{hover.inMouseMove};

    if (hover.skinActive && !hover.rect.Contains(x, y)) LeaveHoverSkin(*this);
    // The restored skin's own hotspot under the point fires in the same move.
    if (skin) HoverHotSpot(*this, x, y);
}

void WidgetInstance::MouseOn() {
    hover.mouseOver = true;
    if (!marquee.scrolling) StartMarqueeIfTooWide();
    SetCapture(deskletWindow);
}

void WidgetInstance::MouseOut() {
    hover.mouseOver = false;
    if (marquee.scrolling) {
        StopMarquee();
        Redraw(false);
    }
    if (hover.skinActive) LeaveHoverSkin(*this);
    ReleaseCapture();
}

extern "C" {

BOOL __stdcall OnMouseMove(void* inst, int x, int y) {
    return ForInstance(inst, TRUE, [x, y](WidgetInstance& widget) { widget.MouseMove(x, y); });
}

BOOL __stdcall OnMouseOn(void* inst) {
    return ForInstance(inst, TRUE, [](WidgetInstance& widget) { widget.MouseOn(); });
}

BOOL __stdcall OnMouseOut(void* inst) {
    return ForInstance(inst, TRUE, [](WidgetInstance& widget) { widget.MouseOut(); });
}

}  // extern "C"
