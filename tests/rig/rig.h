// The recording test host: it exports the host functions the module looks up,
// records every call with its arguments, keeps each widget's layers, position
// and size like a real host, loads the real Quillbracket.dll from a work folder
// of its own and drives its entry points.
#pragma once

#include "check.h"
#include "host/layer_stack.h"
#include "platform/host_contract.h"

#include <windows.h>

#include <gdiplus.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sim {
class Player;
}

namespace rig {

// Process-wide set-up: COM (STA), GDI+, the widget window class, the work folder.
struct Environment {
    Environment();
    ~Environment();
};
// Run after every case: checks nothing is left behind and resets the record.
void AfterCase();
// The simulated player from a clean state: registered, running with its
// window hidden, nothing playing yet.
sim::Player& RunningPlayer();

struct HostCallRecord {
    std::string name;  // e.g. "DeskletLayerSetVisibility"
    std::string args;  // arguments after the window, e.g. "3, 0, 1"
};

// What the host knows of one widget window.
struct HostWidget {
    host::LayerStack layers;
    POINT position = {200, 150};
    SIZE size = {266, 108};
    bool visible = true;
    bool extendedDragDrop = false;
    int hostRedraws = 0;  // calls that asked the host to redraw
    std::vector<HPROPSHEETPAGE> pages;
};

class RecordingHost {
public:
    static RecordingHost& Get();

    std::vector<HostCallRecord> calls;
    std::vector<HostCallRecord> Named(const std::string& name) const;
    size_t Count(const std::string& name) const;
    void ClearCalls() { calls.clear(); }

    HostWidget& Widget(HWND window) { return widgets_[window]; }
    void Forget(HWND window) { widgets_.erase(window); }
    std::string relativeFolder;  // reported by DeskletGetRelativeFolder

    // The start id and ids of the default menu's items.
    static constexpr int kMenuItems = 3;
    // Command the last DeskletDoDefaultMenuCommand passed, -1 if none.
    int lastMenuCommand = -1;

private:
    std::map<HWND, HostWidget> widgets_;
};

// The module's entry points, resolved from the loaded DLL (null if absent).
struct Module {
    HMODULE handle = nullptr;
    decltype(&::OnCreate) OnCreate = nullptr;
    decltype(&::OnDestroy) OnDestroy = nullptr;
    decltype(&::OnSave) OnSave = nullptr;
    decltype(&::OnGetInformation) OnGetInformation = nullptr;
    decltype(&::OnProcessMessage) OnProcessMessage = nullptr;
    decltype(&::OnLeftButtonClick) OnLeftButtonClick = nullptr;
    decltype(&::OnRightButtonClick) OnRightButtonClick = nullptr;
    decltype(&::OnMouseWheelForward) OnMouseWheelForward = nullptr;
    decltype(&::OnMouseWheelBackward) OnMouseWheelBackward = nullptr;
    decltype(&::OnMouseMove) OnMouseMove = nullptr;
    decltype(&::OnMouseOn) OnMouseOn = nullptr;
    decltype(&::OnMouseOut) OnMouseOut = nullptr;
    decltype(&::OnDragEnter) OnDragEnter = nullptr;
    decltype(&::OnDragLeave) OnDragLeave = nullptr;
    decltype(&::OnDrop) OnDrop = nullptr;
    decltype(&::OnAddPropertySheets) OnAddPropertySheets = nullptr;
};

// Copies the built module into the work folder under the file name and loads
// that copy; a copy of its own resolves the host functions anew as it loads.
// The caller frees it (FreeLibrary) if it must go before the program ends.
Module LoadModule(const std::string& fileName);
// The real module, copied into this test program's work folder and loaded once.
Module& TheModule();
// The work folder (module folder; skins below it), ending in '\'.
const std::string& WorkFolder();
// Folder of the source tree's bundled skins, ending in '\'.
std::string SourceSkinsFolder();

// Files for tests.
void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);
// Writes a PNG of one colour (ARGB).
void WritePng(const std::string& path, int width, int height, Gdiplus::ARGB color);
// Creates skins\<name>\skin.ini (and its images folder) in the work folder.
std::string MakeSkin(const std::string& name, const std::string& iniText);
// Copies a bundled skin from the source tree into the work folder.
void InstallBundledSkin(const std::string& name);

// One widget window with a module instance on it; destroyed with the object.
class Widget {
public:
    // Without a settings file the module loads its "Default" skin.
    explicit Widget(const char* iniFile = nullptr, const char* iniGroup = nullptr);
    ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    void* instance() const { return instance_; }
    HWND window() const { return window_; }
    HostWidget& host() const { return RecordingHost::Get().Widget(window_); }
    // Ends the instance now (OnDestroy), before the object goes.
    void Destroy();

    void PollTick() const;
    void ScrollTick() const;
    void Click(int x, int y) const;
    void RightClick() const;
    void WheelForward() const;
    void WheelBackward() const;
    void MouseMove(int x, int y) const;
    void MouseOn() const;
    void MouseOut() const;

    // The image last handed to the "Quillbracket.Info" layer (null if none).
    Gdiplus::Bitmap* InfoFrame() const;
    // The widget as the host would show it.
    std::unique_ptr<Gdiplus::Bitmap> Composite() const;

private:
    HWND window_ = nullptr;
    void* instance_ = nullptr;
};

// Pixel of an image, as ARGB; 0 outside it.
Gdiplus::ARGB PixelAt(Gdiplus::Image* image, int x, int y);
inline int AlphaOf(Gdiplus::ARGB argb) { return static_cast<int>(argb >> 24); }
// Count of pixels in the rectangle whose alpha exceeds the threshold.
int OpaquePixels(Gdiplus::Image* image, const RECT& area, int alphaThreshold = 0);
// Pixels of the rectangle that differ between two pictures.
int DifferingPixels(Gdiplus::Image* a, Gdiplus::Image* b, const RECT& area);

// Delivers window messages (and so the timers) for the given time.
void PumpFor(int milliseconds);
// Whether a window timer with that id runs (it is restarted with the period given).
bool TimerRunning(HWND window, UINT_PTR id, UINT periodMs);

}  // namespace rig
