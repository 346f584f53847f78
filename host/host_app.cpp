#include "host/host_app.h"

#include "host/full_screen.h"
#include "host/single_instance.h"
#include "host/window_object.h"
#include "platform/entry_guard.h"

#include <algorithm>

namespace host {
namespace {

constexpr UINT kRemoveRequest = WM_APP + 1;
constexpr UINT kExitRequest = WM_APP + 2;
constexpr POINT kFirstPosition = {120, 120};
constexpr UINT_PTR kFullScreenTimer = 1;
constexpr UINT kFullScreenCheckMs = 1000;

}  // namespace

HostApp::HostApp(const std::string& modulePath, const std::string& configFile)
    : module_(modulePath), config_(configFile) {
    const std::string module = FullPath(modulePath);
    skinsFolder_ = module.substr(0, module.find_last_of("\\/") + 1) + "skins\\";
    RegisterWindowClass(kControlWindowClass, &ControlProc);
    control_.reset(CreateWindowExA(0, kControlWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), this));
}

// Saving is the caller's: a host that failed half-way must not overwrite good settings.
HostApp::~HostApp() {
    tray_.reset();
    while (!widgets_.empty()) widgets_.pop_back();
}

void HostApp::Restore() {
    for (const std::string& group : config_.WidgetGroups())
        CreateWidget(group, config_.ReadPosition(group, kFirstPosition), config_.HasSettings(group));
    // The first widget is kept at once, skin and all, like one added later.
    if (widgets_.empty() && AddWidget(kFirstPosition)) SaveAll();
    KeepOnScreen();
}

// Lowest layer first, so that each layer ends above the ones below it.
void HostApp::ApplyLayers() {
    for (const WidgetLayer layer : {WidgetLayer::Desktop, WidgetLayer::Normal, WidgetLayer::Topmost})
        for (const auto& widget : widgets_)
            if (widget->options().layer == layer) widget->ApplyLayer();
}

WidgetWindow* HostApp::AddWidget(POINT position) {
    const std::string group = HostConfig::NewGroup(groups_);
    // Left-overs of a widget removed without saving must not be taken for this one's.
    config_.Forget(group);
    return CreateWidget(group, position, false);
}

WidgetWindow* HostApp::CreateWidget(const std::string& group, POINT position, bool withSettings) {
    if (!module_.loaded()) return nullptr;
    widgets_.push_back(std::make_unique<WidgetWindow>(module_, *this, position));
    groups_.push_back(group);
    WidgetWindow& widget = *widgets_.back();
    widget.SetOptions(config_.ReadOptions(group));
    const std::string settings = HostConfig::SettingsGroup(group);
    if (withSettings)
        widget.CreateInstance(config_.file().c_str(), settings.c_str());
    else
        widget.CreateInstance(nullptr, nullptr);
    WatchFullScreen();
    return &widget;
}

void HostApp::RemoveWidget(HWND window) {
    for (size_t i = 0; i < widgets_.size(); ++i) {
        if (widgets_[i]->window() != window) continue;
        const std::string group = groups_[i];
        widgets_.erase(widgets_.begin() + static_cast<std::ptrdiff_t>(i));
        groups_.erase(groups_.begin() + static_cast<std::ptrdiff_t>(i));
        config_.Forget(group);
        config_.WriteWidgetGroups(groups_);
        WatchFullScreen();
        return;
    }
}

std::string HostApp::GroupOf(const WidgetWindow& widget) const {
    for (size_t i = 0; i < widgets_.size(); ++i)
        if (widgets_[i].get() == &widget) return groups_[i];
    return {};
}

// Written the moment it changes: a host that is killed keeps what the user did.
void HostApp::WidgetChanged(WidgetWindow& widget) {
    const std::string group = GroupOf(widget);
    if (group.empty()) return;
    config_.WritePosition(group, widget.Position());
    config_.WriteOptions(group, widget.options());
    config_.WriteWidgetGroups(groups_);
    WatchFullScreen();
}

std::vector<RECT> HostApp::OtherWidgetBounds(const WidgetWindow& widget) const {
    std::vector<RECT> bounds;
    for (const auto& other : widgets_)
        if (other.get() != &widget && other->OnScreen()) bounds.push_back(other->ScreenBounds());
    return bounds;
}

void HostApp::SaveAll() {
    if (!module_.loaded()) return;
    for (size_t i = 0; i < widgets_.size(); ++i) {
        config_.WritePosition(groups_[i], widgets_[i]->Position());
        config_.WriteOptions(groups_[i], widgets_[i]->options());
        widgets_[i]->SaveInstance(config_.file().c_str(), HostConfig::SettingsGroup(groups_[i]).c_str());
    }
    config_.WriteWidgetGroups(groups_);
}

void HostApp::Shutdown() {
    SaveAll();
    // Newest first, the reverse of creation.
    while (!widgets_.empty()) widgets_.pop_back();
    groups_.clear();
}

// The check wakes the host every second: it runs only while a widget gives
// way to full-screen programs. A widget that no longer does shows at once.
void HostApp::WatchFullScreen() {
    const bool wanted = std::any_of(widgets_.begin(), widgets_.end(),
                                    [](const auto& widget) { return widget->options().hideForFullScreen; });
    if (wanted != watchingFullScreen_) {
        if (wanted)
            SetTimer(control_.get(), kFullScreenTimer, kFullScreenCheckMs, nullptr);
        else
            KillTimer(control_.get(), kFullScreenTimer);
        watchingFullScreen_ = wanted;
    }
    CheckFullScreen();
}

void HostApp::CheckFullScreen() {
    const HMONITOR covered =
        FullScreenProgramMonitor([](HWND window) { return WidgetWindow::FromHandle(window) != nullptr; });
    for (const auto& widget : widgets_)
        widget->SetHidden(HideReason::FullScreen,
                          covered && widget->options().hideForFullScreen &&
                              MonitorFromWindow(widget->window(), MONITOR_DEFAULTTONEAREST) == covered);
}

bool HostApp::RunCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments[0] == "--show-all") {
        ShowAllWidgets();
        return true;
    }
    if (arguments[0] == "--hide-all") {
        HideAllWidgets();
        return true;
    }
    if (arguments[0] == "--exit") {
        RequestExit();
        return true;
    }
    return arguments[0] == "--add" && arguments.size() == 2 && AddSkinWidget(arguments[1]);
}

int HostApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void HostApp::RequestRemove(HWND widget) {
    PostMessageA(control_.get(), kRemoveRequest, 0, reinterpret_cast<LPARAM>(widget));
}

void HostApp::RequestExit() { PostMessageA(control_.get(), kExitRequest, 0, 0); }

// No exception may unwind through the system's frames that called in.
LRESULT CALLBACK HostApp::ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Guarded(LRESULT{0}, [&] {
        auto* app = WindowObject<HostApp>(window, msg, lParam);
        return app ? app->HandleControlMessage(window, msg, wParam, lParam)
                   : DefWindowProcA(window, msg, wParam, lParam);
    });
}

LRESULT HostApp::HandleControlMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kRemoveRequest:
        RemoveWidget(reinterpret_cast<HWND>(lParam));
        // Without widgets, and with no icon in the notification area, nothing
        // would be left to show or to be closed from.
        if (widgets_.empty() && !(tray_ && tray_->shown())) PostQuitMessage(0);
        return 0;
    case kExitRequest: PostQuitMessage(0); return 0;
    case WM_TIMER:
        if (wParam == kFullScreenTimer) CheckFullScreen();
        return 0;
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        return data && data->dwData == kCommandLineData && RunCommand(HandedArguments(*data));
    }
    default: return DefWindowProcA(window, msg, wParam, lParam);
    }
}

}  // namespace host
