// The pointer over a widget. The module takes the mouse capture when the
// pointer arrives and lets it go when told the pointer left; the system tells
// a window that the pointer left only by a timer (every 400 ms under Wine),
// and until then every mouse message on the display comes to the widget that
// holds the capture. So a message from outside the widget is taken as the
// pointer leaving, at once, and sent on to the window it was meant for.
#include "host/widget_window.h"

#include <windowsx.h>

namespace host {
namespace {

bool IsPointerMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

// The wheel's point is on the screen, every other one in the window.
POINT ScreenPoint(HWND window, UINT msg, LPARAM lParam) {
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (msg != WM_MOUSEWHEEL && msg != WM_MOUSEHWHEEL) ClientToScreen(window, &point);
    return point;
}

// To the window under the point, as if no capture had been held; nothing
// when that is no window's client area.
void SendOn(UINT msg, WPARAM wParam, POINT screen) {
    const HWND target = WindowFromPoint(screen);
    if (!target) return;
    POINT client = screen;
    ScreenToClient(target, &client);
    RECT area = {};
    GetClientRect(target, &area);
    if (!PtInRect(&area, client)) return;
    const POINT point = msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL ? screen : client;
    // Posted: it comes before the input that follows it.
    PostMessageA(target, msg, wParam, MAKELPARAM(point.x, point.y));
}

}  // namespace

void WidgetWindow::PointerArrives() {
    // The module of a widget that still holds the capture lets it go when
    // told; told later, it would take the capture this widget is about to take.
    if (const HWND holder = GetCapture(); holder && holder != window_.get())
        if (WidgetWindow* other = FromHandle(holder); other && !other->pressed_) other->PointerLeaves();
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window_.get(), 0};
    TrackMouseEvent(&track);
    pointerOn_ = true;
    CallIfPresent(module_.entry().OnMouseOn, instance_);
}

void WidgetWindow::PointerLeaves() {
    if (!pointerOn_) return;
    pointerOn_ = false;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_CANCEL, window_.get(), 0};
    TrackMouseEvent(&track);
    if (instance_) CallIfPresent(module_.entry().OnMouseOut, instance_);
}

// A press, and the drag it may become, keep the capture: the pointer may
// outrun the window.
bool WidgetWindow::PointerLeftUnderCapture(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsPointerMessage(msg) || !window_ || pressed_ || GetCapture() != window_.get()) return false;
    const POINT screen = ScreenPoint(window_.get(), msg, lParam);
    const RECT bounds = ScreenBounds();
    if (PtInRect(&bounds, screen)) return false;
    PointerLeaves();
    if (GetCapture() == window_.get()) ReleaseCapture();
    SendOn(msg, wParam, screen);
    return true;
}

}  // namespace host
