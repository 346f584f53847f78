// The widget window: creation, placement, compositing to screen and input.
// Messages reach the module through OnProcessMessage first (its timers come
// back that way); the host then does its own part.
#include "host/widget_window.h"

#include "host/drop_target.h"
#include "host/monitors.h"
#include "host/placement.h"
#include "host/window_object.h"
#include "platform/entry_guard.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace host {
namespace {

constexpr char kWindowClass[] = "QuillhostWidget";
// Larger sizes are refused: no widget is bigger than a few screens.
constexpr LONG kMaxSide = 8192;

ATOM RegisterWidgetClass(WNDPROC procedure) {
    static const ATOM atom = RegisterWindowClass(kWindowClass, procedure, LoadCursor(nullptr, IDC_ARROW));
    return atom;
}

POINT ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

WidgetWindow::WidgetWindow(const ModuleLibrary& module, WidgetOwner& owner, POINT position)
    : module_(module), owner_(owner) {
    RegisterWidgetClass(&WindowProc);
    window_.reset(CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, kWindowClass, "Quillbracket", WS_POPUP, position.x,
                                  position.y, size_.cx, size_.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this));
}

WidgetWindow::~WidgetWindow() {
    if (dropTarget_) RevokeDragDrop(window_.get());
    DestroyInstance();
    // While the rest of the widget is whole: DestroyWindow still sends it messages.
    window_.reset();
}

void WidgetWindow::DestroyInstance() {
    if (!instance_) return;
    void* instance = instance_;
    // Messages the teardown causes must not reach a dying instance.
    instance_ = nullptr;
    pointerOn_ = false;
    CallIfPresent(module_.entry().OnDestroy, instance, window_.get());
}

// The module installs its skin's layers anew, over the ones it finds; the
// images it names by file are read from the files as they are now.
void WidgetWindow::RecreateInstance(const char* iniFile, const char* iniGroup) {
    DestroyInstance();
    if (!window_) return;
    layers_.ForgetFileImages();

    instance_ = CallIfPresent(module_.entry().OnCreate, window_.get(), module_.handle(), iniFile, iniGroup);
    RequestPresent(true);
}

WidgetWindow* WidgetWindow::FromHandle(HWND window) {
    if (!window || GetClassLongPtrA(window, GCW_ATOM) != RegisterWidgetClass(&WindowProc)) return nullptr;
    return reinterpret_cast<WidgetWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void WidgetWindow::CreateInstance(const char* iniFile, const char* iniGroup) {
    if (!window_) return;
    instance_ = CallIfPresent(module_.entry().OnCreate, window_.get(), module_.handle(), iniFile, iniGroup);
    if (OnScreen()) {
        showWithNextFrame_ = true;
        RequestPresent(true);
    }
}

void WidgetWindow::SaveInstance(const char* iniFile, const char* iniGroup) const {
    if (instance_) CallIfPresent(module_.entry().OnSave, instance_, iniFile, iniGroup, FALSE);
}

POINT WidgetWindow::Position() const {
    const RECT bounds = ScreenBounds();
    return {bounds.left, bounds.top};
}

RECT WidgetWindow::ScreenBounds() const {
    RECT bounds = {};
    GetWindowRect(window_.get(), &bounds);
    return bounds;
}

void WidgetWindow::SetOptions(const WidgetOptions& options) {
    options_ = options;
    ApplyLayer();
    UpdateScale();
    RequestPresent(true);
}

void WidgetWindow::UpdateScale() {
    const int scale = options_.scale ? options_.scale : WholeScaleOf(window_.get(), WidgetOptions::kMaxScale);
    if (scale == scale_) return;
    scale_ = scale;
    const SIZE size = WindowSize();
    SetWindowPos(window_.get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RequestPresent(true);
}

void WidgetWindow::ApplyLayer() {
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(window_.get(), HWND_NOTOPMOST, 0, 0, 0, 0, kFlags);
    // Out of the topmost band and back in: a window that is topmost already
    // is not restacked, and under Wine one shown after it is drawn above it.
    if (options_.layer == WidgetLayer::Topmost) SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, kFlags);
    if (options_.layer == WidgetLayer::Desktop) SetWindowPos(window_.get(), HWND_BOTTOM, 0, 0, 0, 0, kFlags);
}

// A widget on the desktop stays below every other window, whatever asks it up.
void WidgetWindow::OnWindowPosChanging(WINDOWPOS& position) const {
    if (options_.layer == WidgetLayer::Desktop && !(position.flags & SWP_NOZORDER))
        position.hwndInsertAfter = HWND_BOTTOM;
}

POINT WidgetWindow::WidgetPoint(POINT client) const { return {client.x / scale_, client.y / scale_}; }

void WidgetWindow::Move(const RECT& screenRect, bool redraw) {
    const LONG width = screenRect.right - screenRect.left;
    const LONG height = screenRect.bottom - screenRect.top;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide)
        size_ = {width, height};
    else
        flags |= SWP_NOSIZE;
    const SIZE size = WindowSize();
    SetWindowPos(window_.get(), nullptr, screenRect.left, screenRect.top, size.cx, size.cy, flags);
    if (redraw) RequestPresent();
}

bool WidgetWindow::OnScreen() const {
    return std::none_of(std::begin(hiddenBy_), std::end(hiddenBy_), [](bool hidden) { return hidden; });
}

void WidgetWindow::SetHidden(HideReason reason, bool hidden) {
    bool& flag = hiddenBy_[static_cast<int>(reason)];
    if (flag == hidden) return;
    const bool wasOnScreen = OnScreen();
    flag = hidden;
    // The window shows once the module has its instance.
    if (OnScreen() == wasOnScreen || !instance_) return;
    if (wasOnScreen) {
        ShowWindow(window_.get(), SW_HIDE);
        return;
    }
    showWithNextFrame_ = true;
    RequestPresent(true);
}

void WidgetWindow::SetLayerImage(UINT id, Gdiplus::Image* image, bool hostOwns, bool redraw) {
    std::unique_ptr<Gdiplus::Image> taken(hostOwns ? image : nullptr);
    if (id >= layers_.Count()) return;
    layers_.SetImage(id, taken ? taken.release() : (image ? image->Clone() : nullptr));
    if (redraw) RequestPresent();
}

void WidgetWindow::ActivateDragDrop() {
    if (dropTarget_) return;
    Microsoft::WRL::ComPtr<DropTarget> target;
    // The new target holds its first reference; mingw-w64's Attach would add a second.
    *target.GetAddressOf() = new DropTarget(*this);
    if (SUCCEEDED(RegisterDragDrop(window_.get(), target.Get()))) dropTarget_ = std::move(target);
}

// No exception may unwind through the system's frames that called in.
LRESULT CALLBACK WidgetWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Guarded(LRESULT{0}, [&] {
        auto* widget = WindowObject<WidgetWindow>(window, msg, lParam);
        if (!widget) return DefWindowProcA(window, msg, wParam, lParam);
        if (widget->PointerLeftUnderCapture(msg, wParam, lParam)) return LRESULT{0};
        if (widget->instance_)
            CallIfPresent(widget->module_.entry().OnProcessMessage, widget->instance_, window, msg, wParam, lParam);
        return widget->HandleMessage(window, msg, wParam, lParam);
    });
}

// Runs from WM_NCCREATE on, before window_ holds the handle.
LRESULT WidgetWindow::HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN: OnLeftButtonDown(WidgetPoint(ClientPoint(lParam))); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(WidgetPoint(ClientPoint(lParam)), wParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(WidgetPoint(ClientPoint(lParam)), wParam); return 0;
    case WM_MOUSELEAVE: PointerLeaves(); return 0;
    case WM_RBUTTONUP: OnRightButtonUp(WidgetPoint(ClientPoint(lParam))); return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam),
                     {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
        return DefWindowProcA(window, msg, wParam, lParam);
    case WM_DPICHANGED: UpdateScale(); return 0;
    case kPresentMessage: Present(); return 0;
    // A click on the widget leaves the window the user works in active. Under
    // Wine, activating the widget would also show it anew on the display,
    // which ends a drag under way.
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_CLOSE: owner_.RequestExit(); return 0;  // closing keeps the widget for next time
    case WM_ENDSESSION:
        // Windows is shutting down: the message loop will not get to save.
        if (wParam) owner_.SaveAll();
        return 0;
    default: return DefWindowProcA(window, msg, wParam, lParam);
    }
}

void WidgetWindow::OnLeftButtonDown(POINT point) {
    pressed_ = true;
    dragging_ = false;
    GetCursorPos(&pressScreen_);
    pressWindow_ = Position();
    SetCapture(window_.get());
}

void WidgetWindow::OnLeftButtonUp(POINT point, WPARAM keys) {
    const bool click = pressed_ && !dragging_;
    // Where the button came up, also when the last moves were not seen.
    if (dragging_) {
        DragToCursor(keys);
        EndDrag();
    }
    pressed_ = false;
    dragging_ = false;
    if (GetCapture() == window_.get()) ReleaseCapture();
    if (click && instance_) {
        SIZE size = size_;
        CallIfPresent(module_.entry().OnLeftButtonClick, instance_, &point, &size);
    }
}

void WidgetWindow::OnMouseMove(POINT point, WPARAM keys) {
    if (pressed_) {
        POINT cursor = {};
        GetCursorPos(&cursor);
        const int dx = cursor.x - pressScreen_.x;
        const int dy = cursor.y - pressScreen_.y;
        if (!dragging_ && (std::abs(dx) > GetSystemMetrics(SM_CXDRAG) || std::abs(dy) > GetSystemMetrics(SM_CYDRAG)))
            dragging_ = true;
        if (dragging_) {
            DragToCursor(keys);
            return;
        }
    }
    if (!instance_) return;
    if (!pointerOn_) PointerArrives();
    CallIfPresent(module_.entry().OnMouseMove, instance_, static_cast<int>(point.x), static_cast<int>(point.y));
}

// Ctrl held: exactly where the pointer puts it.
void WidgetWindow::DragToCursor(WPARAM keys) {
    POINT cursor = {};
    GetCursorPos(&cursor);
    DragTo({pressWindow_.x + cursor.x - pressScreen_.x, pressWindow_.y + cursor.y - pressScreen_.y},
           options_.snap && !(keys & MK_CONTROL));
}

// A locked widget stays put; the press still is no click once the pointer went that far.
void WidgetWindow::DragTo(POINT position, bool snap) {
    if (options_.locked) return;
    if (snap) {
        const SIZE size = WindowSize();
        const RECT moving = {position.x, position.y, position.x + size.cx, position.y + size.cy};
        position = SnapPosition(moving, WorkAreas(), owner_.OtherWidgetBounds(*this));
    }
    SetWindowPos(window_.get(), nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WidgetWindow::EndDrag() {
    if (options_.locked) return;
    UpdateScale();  // it may have come onto a monitor of another scale
    owner_.WidgetChanged(*this);
}

// The module takes the capture itself when the pointer arrives, so the press's
// own SetCapture announces a change to this same window: the press goes on.
void WidgetWindow::OnCaptureChanged(HWND newOwner) {
    if (newOwner == window_.get()) return;
    if (dragging_) EndDrag();
    pressed_ = false;
    dragging_ = false;
}

void WidgetWindow::OnRightButtonUp(POINT point) {
    SIZE size = size_;
    if (instance_ && CallIfPresent(module_.entry().OnRightButtonClick, instance_, &point, &size)) return;
    // The module showed nothing: offer the host's own menu.
    constexpr int kStartId = 1;
    UniqueMenu menu(DefaultMenu(kStartId));
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window_.get());
    const int command =
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window_.get(), nullptr);
    if (command) DoDefaultMenuCommand(kStartId, command);
}

void WidgetWindow::OnMouseWheel(short delta, WORD keys, POINT screenPoint) {
    if (!instance_ || delta == 0) return;
    ScreenToClient(window_.get(), &screenPoint);
    screenPoint = WidgetPoint(screenPoint);
    const int scrolls = std::max(1, std::abs(delta) / WHEEL_DELTA);
    const auto step = delta > 0 ? module_.entry().OnMouseWheelForward : module_.entry().OnMouseWheelBackward;
    CallIfPresent(step, instance_, keys, scrolls, static_cast<int>(screenPoint.x), static_cast<int>(screenPoint.y));
}

}  // namespace host
