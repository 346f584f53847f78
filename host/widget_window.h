// One widget on screen: a layered popup window showing the composite of its
// layers, with the module's instance behind it. Mouse, wheel, timer and drop
// input go to the module's entry points; the host functions act on it here.
#pragma once

#include "host/frame_compositor.h"
#include "host/layer_stack.h"
#include "host/module_library.h"
#include "host/present_surface.h"
#include "host/widget_options.h"
#include "platform/win_owners.h"

#include <ole2.h>
#include <prsht.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

namespace bridge::windows {
class PlayerMenu;
}

namespace host {

class DropTarget;
class WidgetWindow;

// Why a widget is out of sight: the user hid it (the tray, Hide all), the
// module did (while the player does not run, if it is set to), or a
// full-screen program covers its monitor and it gives way.
enum class HideReason { User, Module, FullScreen, kCount };

// What a widget asks of the host that owns it. Removal and exit are carried
// out later, once the module has returned from the call that asked.
class WidgetOwner {
public:
    virtual void RequestRemove(HWND widget) = 0;
    virtual void RequestExit() = 0;
    virtual void SaveAll() = 0;
    // A drag ended or the host's options of the widget changed: kept at once.
    virtual void WidgetChanged(WidgetWindow&) {}
    // A widget's first frame since it was shown is on screen: under Wine it
    // now stacks above every other window, whatever its layer.
    virtual void WidgetShown(WidgetWindow&) {}
    // The user asked for the widget's skin to be read anew.
    virtual void ReloadWidget(WidgetWindow&) {}
    // Where the other widgets stand on screen, for snapping.
    virtual std::vector<RECT> OtherWidgetBounds(const WidgetWindow&) const { return {}; }
    // The players to choose from, while the bridge is the player.
    virtual bridge::windows::PlayerMenu* playerMenu() { return nullptr; }

protected:
    ~WidgetOwner() = default;
};

class WidgetWindow {
public:
    // Size of a widget until the module gives it one.
    static constexpr SIZE kInitialSize = {128, 128};

    WidgetWindow(const ModuleLibrary& module, WidgetOwner& owner, POINT position);
    // The module's instance is destroyed before the window.
    ~WidgetWindow();
    WidgetWindow(const WidgetWindow&) = delete;
    WidgetWindow& operator=(const WidgetWindow&) = delete;

    // Hands the window to the module (settings from iniFile/iniGroup when given) and shows it.
    void CreateInstance(const char* iniFile, const char* iniGroup);
    void SaveInstance(const char* iniFile, const char* iniGroup) const;
    // The module's instance made anew from the settings given, on the same window.
    void RecreateInstance(const char* iniFile, const char* iniGroup);

    // The widget behind a window of ours; null for any other window.
    static WidgetWindow* FromHandle(HWND window);

    HWND window() const { return window_.get(); }
    void* instance() const { return instance_; }
    const ModuleLibrary& module() const { return module_; }
    LayerStack& layers() { return layers_; }
    const LayerStack& layers() const { return layers_; }

    POINT Position() const;
    // The module's size of the widget; on screen it is `Scale()` times as large.
    SIZE Size() const { return size_; }
    RECT ScreenBounds() const;
    int Scale() const { return scale_; }
    const WidgetOptions& options() const { return options_; }
    void SetOptions(const WidgetOptions& options);
    // Takes the monitor's scale anew where the scale is Auto.
    void UpdateScale();
    void Move(const RECT& screenRect, bool redraw);
    // Each reason holds on its own: the widget is on screen only while none
    // does, so that the module's showing never undoes the user's hiding.
    void SetHidden(HideReason reason, bool hidden);
    bool HiddenBy(HideReason reason) const { return hiddenBy_[static_cast<int>(reason)]; }
    // No reason holds; the window shows once the module has its instance.
    bool OnScreen() const;
    // Puts the window where its layer says among the others.
    void ApplyLayer();
    // Asks for the frame to be composed and put on screen once the module's
    // calls of this message are done; also when no layer changed if asked.
    void RequestPresent(bool evenIfUnchanged = false);
    // Frames put on screen so far.
    int framesPresented() const { return framesPresented_; }
    std::unique_ptr<Gdiplus::Bitmap> Snapshot() const { return layers_.Composite(size_.cx, size_.cy); }

    // An image handed over (hostOwns) is the host's whatever happens; one the
    // caller keeps is copied.
    void SetLayerImage(UINT id, Gdiplus::Image* image, bool hostOwns, bool redraw);

    void ActivateDragDrop();
    HMENU DefaultMenu(int startId) const;
    void DoDefaultMenuCommand(int startId, int command);
    // Collects a page while the module adds its pages; the number collected so far.
    int AddPropertyPage(HPROPSHEETPAGE page);
    void ShowProperties();

    // Menu items of the default menu, by offset from the start id; the
    // player submenu's items follow kFirstPlayerItem.
    // The host's options of the widget follow kFirstOptionsItem.
    enum MenuItem {
        kProperties = 0,
        kRemove = 1,
        kExit = 2,
        kFirstOptionsItem = 3,
        kReloadSkin = 23,
        kFirstPlayerItem = 24
    };

    // Posted by RequestPresent; the frame goes on screen when it is handled.
    static constexpr UINT kPresentMessage = WM_APP + 20;

private:
    void DestroyInstance();
    // Composes what changed and puts the frame on screen, scaled and at the widget's opacity.
    void Present();
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnLeftButtonDown(POINT point);
    void OnLeftButtonUp(POINT point, WPARAM keys);
    void OnMouseMove(POINT point, WPARAM keys);
    // The pointer arrives on the widget, or leaves it: the module hears of each once.
    void PointerArrives();
    void PointerLeaves();
    // While the window holds the capture, input outside it means the pointer
    // left: the module hears so first, and the input goes where the pointer is.
    bool PointerLeftUnderCapture(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnRightButtonUp(POINT point);
    void OnMouseWheel(short delta, WORD keys, POINT screenPoint);
    void OnCaptureChanged(HWND newOwner);
    void OnWindowPosChanging(WINDOWPOS& position) const;
    void DragToCursor(WPARAM keys);
    void DragTo(POINT position, bool snap);
    void EndDrag();
    // A point of the window as the module sees the widget, at its own size.
    POINT WidgetPoint(POINT client) const;
    SIZE WindowSize() const { return {size_.cx * scale_, size_.cy * scale_}; }

    const ModuleLibrary& module_;
    WidgetOwner& owner_;
    UniqueWindow window_;
    void* instance_ = nullptr;
    LayerStack layers_;
    FrameCompositor compositor_;
    PresentSurface surface_;
    bool presentPosted_ = false;
    bool presentEvenIfUnchanged_ = false;
    bool showWithNextFrame_ = false;  // shown, the window waits for its frame
    int framesPresented_ = 0;
    FrameCompositor::Pixels shown_;  // the frame on screen, at the widget's own size
    SIZE size_ = kInitialSize;
    WidgetOptions options_;
    int scale_ = 1;
    bool hiddenBy_[static_cast<int>(HideReason::kCount)] = {};
    bool pointerOn_ = false;  // between the module's mouse-on and mouse-out
    // A press becomes a click, or a move of the widget once dragged far enough.
    bool pressed_ = false;
    bool dragging_ = false;
    POINT pressScreen_ = {};
    POINT pressWindow_ = {};
    Microsoft::WRL::ComPtr<DropTarget> dropTarget_;  // set while registered
    std::vector<HPROPSHEETPAGE>* collectingPages_ = nullptr;
};

}  // namespace host
