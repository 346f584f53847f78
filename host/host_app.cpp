#include "host/host_app.h"

#include "host/full_screen.h"
#include "host/single_instance.h"
#include "host/window_object.h"
#include "platform/entry_guard.h"

#include <algorithm>
#include <cstdio>

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
    const SettingsCopy copy = config_.Copy();
    for (const std::string& group : config_.WidgetGroups())
        CreateWidget(group, config_.ReadPosition(group, kFirstPosition),
                     config_.HasSettings(group) ? copy.file() : nullptr);
    // The first widget is kept at once, skin and all, like one added later.
    if (widgets_.empty() && AddWidget(kFirstPosition)) {
        SaveAll();
    } else if (config_.ListedWidgetGroups() != groups_) {
        // Widgets of groups a user wrote and did not list are listed from now on.
        config_.WriteWidgetGroups(groups_);
        Keep();
    }
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
    return CreateWidget(group, position, nullptr);
}

WidgetWindow* HostApp::CreateWidget(const std::string& group, POINT position, const char* settingsFile) {
    if (!module_.loaded()) return nullptr;
    widgets_.push_back(std::make_unique<WidgetWindow>(module_, *this, position));
    groups_.push_back(group);
    WidgetWindow& widget = *widgets_.back();
    widget.SetOptions(config_.ReadOptions(group));
    const std::string settings = HostConfig::SettingsGroup(group);
    widget.CreateInstance(settingsFile, settingsFile ? settings.c_str() : nullptr);
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
        Keep();
        WatchFullScreen();
        return;
    }
}

// Written the moment it changes: a host that is killed keeps what the user did.
void HostApp::WidgetChanged(WidgetWindow& widget) {
    const auto found =
        std::find_if(widgets_.begin(), widgets_.end(), [&](const auto& w) { return w.get() == &widget; });
    if (found == widgets_.end()) return;
    Remember(static_cast<size_t>(found - widgets_.begin()));
    config_.WriteWidgetGroups(groups_);
    Keep();
    WatchFullScreen();
}

void HostApp::Remember(size_t widget) {
    config_.WritePosition(groups_[widget], widgets_[widget]->Position());
    config_.WriteOptions(groups_[widget], widgets_[widget]->options());
}

void HostApp::Keep(std::string failure) {
    if (!config_.Save()) failure = "The settings cannot be saved to " + config_.file() + ": " + config_.error();
    if (failure.empty()) {
        if (!saveFailure_.empty()) std::fprintf(stderr, "quillhost: the settings are saved again\n");
        saveFailure_.clear();
        return;
    }
    if (!saveFailure_.empty()) return;
    saveFailure_ = failure + ". quillhost keeps them while it runs and tries again at the next change.";
    std::fprintf(stderr, "quillhost: %s\n", saveFailure_.c_str());
    std::fflush(stderr);
    if (tray_) tray_->ShowWarning(kSaveFailureTitle, saveFailure_);
}

std::vector<RECT> HostApp::OtherWidgetBounds(const WidgetWindow& widget) const {
    std::vector<RECT> bounds;
    for (const auto& other : widgets_)
        if (other.get() != &widget && other->OnScreen()) bounds.push_back(other->ScreenBounds());
    return bounds;
}

// The module writes its groups into a copy of the settings; the host takes them
// from there and writes the file once.
void HostApp::SaveAll() {
    if (!module_.loaded()) return;
    const SettingsCopy copy = config_.Copy();
    for (size_t i = 0; i < widgets_.size(); ++i) {
        Remember(i);
        if (copy.file()) widgets_[i]->SaveInstance(copy.file(), HostConfig::SettingsGroup(groups_[i]).c_str());
    }
    config_.TakeSettings(copy, groups_);
    config_.WriteWidgetGroups(groups_);
    Keep(copy.file() ? std::string() : "The widgets' own settings cannot be saved: " + copy.error());
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
