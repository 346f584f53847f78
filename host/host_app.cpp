#include "host/host_app.h"

namespace host {
namespace {

constexpr UINT kRemoveRequest = WM_APP + 1;
constexpr UINT kExitRequest = WM_APP + 2;
constexpr POINT kFirstPosition = {120, 120};

}  // namespace

HostApp::HostApp(const std::string& modulePath, const std::string& configFile)
    : module_(modulePath), config_(configFile) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &ControlProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuillhostControl";
    RegisterClassExA(&windowClass);
    control_.reset(CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   windowClass.hInstance, this));
}

// Saving is the caller's: a host that failed half-way must not overwrite good settings.
HostApp::~HostApp() {
    while (!widgets_.empty()) widgets_.pop_back();
}

void HostApp::Restore() {
    for (const std::string& group : config_.WidgetGroups())
        CreateWidget(group, config_.ReadPosition(group, kFirstPosition), config_.HasSettings(group));
    if (widgets_.empty()) AddWidget(kFirstPosition);
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
    const std::string settings = HostConfig::SettingsGroup(group);
    if (withSettings)
        widget.CreateInstance(config_.file().c_str(), settings.c_str());
    else
        widget.CreateInstance(nullptr, nullptr);
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
        return;
    }
}

void HostApp::SaveAll() {
    if (!module_.loaded()) return;
    for (size_t i = 0; i < widgets_.size(); ++i) {
        config_.WritePosition(groups_[i], widgets_[i]->Position());
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

int HostApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void HostApp::RequestRemove(HWND widget) { PostMessageA(control_.get(), kRemoveRequest, 0, reinterpret_cast<LPARAM>(widget)); }

void HostApp::RequestExit() { PostMessageA(control_.get(), kExitRequest, 0, 0); }

LRESULT CALLBACK HostApp::ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* app = reinterpret_cast<HostApp*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (app && msg == kRemoveRequest) {
        app->RemoveWidget(reinterpret_cast<HWND>(lParam));
        // A host without widgets would have nothing left to show or to be closed from.
        if (app->widgets_.empty()) PostQuitMessage(0);
        return 0;
    }
    if (app && msg == kExitRequest) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace host
