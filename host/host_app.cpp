#include "host/host_app.h"

#include "host/full_screen.h"
#include "host/single_instance.h"
#include "host/skin_tools/skin_check.h"
#include "host/window_object.h"
#include "platform/entry_guard.h"

#include <algorithm>
#include <cstdio>

namespace host {
namespace {

constexpr UINT kRemoveRequest = WM_APP + 1;
constexpr UINT kExitRequest = WM_APP + 2;
constexpr UINT kReloadRequest = WM_APP + 3;
constexpr UINT kSkinsChanged = WM_APP + 4;
constexpr POINT kFirstPosition = {120, 120};
constexpr UINT_PTR kFullScreenTimer = 1;
constexpr UINT kFullScreenCheckMs = 1000;
// A skin is read anew once its folder has been still this long: an editor's
// save may be several writes.
constexpr UINT_PTR kSkinReloadTimer = 2;
constexpr UINT kSkinSettleMs = 300;

bool Names(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& listed) { return _stricmp(listed.c_str(), name.c_str()) == 0; });
}

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

std::vector<WidgetWindow*> HostApp::widgets() const {
    std::vector<WidgetWindow*> windows;
    for (const HostedWidget& widget : widgets_) windows.push_back(widget.window.get());
    return windows;
}

std::vector<std::string> HostApp::Groups() const {
    std::vector<std::string> groups;
    for (const HostedWidget& widget : widgets_) groups.push_back(widget.group);
    return groups;
}

HostedWidget* HostApp::Find(const WidgetWindow& window) {
    const auto found = std::find_if(widgets_.begin(), widgets_.end(),
                                    [&](const HostedWidget& widget) { return widget.window.get() == &window; });
    return found == widgets_.end() ? nullptr : &*found;
}

void HostApp::Restore() {
    const SettingsCopy copy = config_.Copy();
    for (const std::string& group : config_.WidgetGroups())
        CreateWidget(group, config_.ReadPosition(group, kFirstPosition),
                     config_.HasSettings(group) ? copy.file() : nullptr);
    // The first widget is kept at once, skin and all, like one added later.
    if (widgets_.empty() && AddWidget(kFirstPosition)) {
        SaveAll();
    } else if (config_.ListedWidgetGroups() != Groups()) {
        // Widgets of groups a user wrote and did not list are listed from now on.
        config_.WriteWidgetGroups(Groups());
        Keep();
    }
    KeepOnScreen();
}

// Lowest layer first, so that each layer ends above the ones below it.
void HostApp::ApplyLayers() {
    for (const WidgetLayer layer : {WidgetLayer::Desktop, WidgetLayer::Normal, WidgetLayer::Topmost})
        for (const auto& widget : widgets_)
            if (widget.window->options().layer == layer) widget.window->ApplyLayer();
}

WidgetWindow* HostApp::AddWidget(POINT position) {
    const std::string group = HostConfig::NewGroup(Groups());
    // Left-overs of a widget removed without saving must not be taken for this one's.
    config_.Forget(group);
    return CreateWidget(group, position, nullptr);
}

WidgetWindow* HostApp::CreateWidget(const std::string& group, POINT position, const char* settingsFile) {
    if (!module_.loaded()) return nullptr;
    widgets_.push_back({std::make_unique<WidgetWindow>(module_, *this, position), group, {}});
    WidgetWindow& widget = *widgets_.back().window;
    widget.SetOptions(config_.ReadOptions(group));
    const std::string settings = HostConfig::SettingsGroup(group);
    widget.CreateInstance(settingsFile, settingsFile ? settings.c_str() : nullptr);
    CheckSkinOf(widgets_.back());
    UpdateSkinWatch();
    WatchFullScreen();
    return &widget;
}

void HostApp::RemoveWidget(HWND window) {
    const auto found = std::find_if(widgets_.begin(), widgets_.end(),
                                    [&](const HostedWidget& widget) { return widget.window->window() == window; });
    if (found == widgets_.end()) return;
    const std::string group = found->group;
    widgets_.erase(found);
    config_.Forget(group);
    config_.WriteWidgetGroups(Groups());
    Keep();
    UpdateSkinWatch();
    WatchFullScreen();
}

// Written the moment it changes: a host that is killed keeps what the user did.
void HostApp::WidgetChanged(WidgetWindow& window) {
    const HostedWidget* widget = Find(window);
    if (!widget) return;
    Remember(*widget);
    config_.WriteWidgetGroups(Groups());
    Keep();
    WatchFullScreen();
}

void HostApp::Remember(const HostedWidget& widget) {
    config_.WritePosition(widget.group, widget.window->Position());
    config_.WriteOptions(widget.group, widget.window->options());
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
    Tell(kSaveFailureTitle, saveFailure_);
}

void HostApp::CheckSkinOf(HostedWidget& widget) {
    const std::string skin = SkinShown(widget);
    const std::vector<SkinProblem> problems = CheckSkin(skinsFolder_, skin);
    const auto error = std::find_if(problems.begin(), problems.end(), [](const SkinProblem& p) { return p.error; });
    widget.skinProblem = error == problems.end() ? std::string() : FormatProblem(*error);
    if (widget.skinProblem.empty() ||
        std::find(toldSkinProblems_.begin(), toldSkinProblems_.end(), widget.skinProblem) != toldSkinProblems_.end())
        return;
    toldSkinProblems_.push_back(widget.skinProblem);
    Tell(kSkinProblemTitle, "The skin \"" + skin + "\" of a widget: " + widget.skinProblem);
}

// On stderr now, in the icon's balloon as soon as the icon is there.
void HostApp::Tell(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "quillhost: %s\n", text.c_str());
    std::fflush(stderr);
    if (tray_)
        tray_->ShowWarning(title, text);
    else
        untold_.emplace_back(title, text);
}

std::vector<RECT> HostApp::OtherWidgetBounds(const WidgetWindow& widget) const {
    std::vector<RECT> bounds;
    for (const HostedWidget& other : widgets_)
        if (other.window.get() != &widget && other.window->OnScreen()) bounds.push_back(other.window->ScreenBounds());
    return bounds;
}

// The module writes its groups into a copy of the settings; the host takes them
// from there and writes the file once.
void HostApp::SaveAll() {
    if (!module_.loaded()) return;
    const SettingsCopy copy = config_.Copy();
    for (const HostedWidget& widget : widgets_) {
        Remember(widget);
        if (copy.file()) widget.window->SaveInstance(copy.file(), HostConfig::SettingsGroup(widget.group).c_str());
    }
    config_.TakeSettings(copy, Groups());
    config_.WriteWidgetGroups(Groups());
    Keep(copy.file() ? std::string() : "The widgets' own settings cannot be saved: " + copy.error());
    // A skin chosen on the skin page is watched from now on.
    UpdateSkinWatch();
}

void HostApp::Shutdown() {
    SaveAll();
    // Newest first, the reverse of creation.
    while (!widgets_.empty()) widgets_.pop_back();
}

// The check wakes the host every second: it runs only while a widget gives
// way to full-screen programs. A widget that no longer does shows at once.
void HostApp::WatchFullScreen() {
    const bool wanted = std::any_of(widgets_.begin(), widgets_.end(), [](const HostedWidget& widget) {
        return widget.window->options().hideForFullScreen;
    });
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
    for (const HostedWidget& widget : widgets_)
        widget.window->SetHidden(HideReason::FullScreen,
                                 covered && widget.window->options().hideForFullScreen &&
                                     MonitorFromWindow(widget.window->window(), MONITOR_DEFAULTTONEAREST) == covered);
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
    if (arguments[0] == "--reload") {
        ReloadSkins();
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

// Later, once the module has returned from the menu that asked.
void HostApp::ReloadWidget(WidgetWindow& widget) {
    PostMessageA(control_.get(), kReloadRequest, 0, reinterpret_cast<LPARAM>(widget.window()));
}

void HostApp::ReloadSkins(const std::vector<std::string>& skins) {
    // Each module keeps what it holds, the skin it shows among it, before it goes.
    SaveAll();
    const SettingsCopy copy = config_.Copy();
    for (HostedWidget& widget : widgets_)
        if (skins.empty() || Names(skins, SkinShown(widget))) Reload(widget, copy.file());
}

void HostApp::Reload(HostedWidget& widget, const char* settingsFile) {
    const std::string group = HostConfig::SettingsGroup(widget.group);
    widget.window->RecreateInstance(settingsFile, settingsFile ? group.c_str() : nullptr);
    CheckSkinOf(widget);
}

void HostApp::WatchSkinFolders() {
    watchSkins_ = true;
    UpdateSkinWatch();
}

std::vector<std::string> HostApp::SkinsShown() const {
    std::vector<std::string> skins;
    for (const HostedWidget& widget : widgets_)
        if (const std::string skin = SkinShown(widget); !Names(skins, skin)) skins.push_back(skin);
    return skins;
}

// A widget with no settings of its module's shows the skin it starts with.
std::string HostApp::SkinShown(const HostedWidget& widget) const {
    const std::string skin = config_.SkinOf(widget.group);
    return skin.empty() ? "Default" : skin;
}

void HostApp::UpdateSkinWatch() {
    if (!watchSkins_) return;
    const std::vector<std::string> skins = SkinsShown();
    if (skinWatch_ && skinWatch_->skins() == skins) return;
    skinWatch_ = std::make_unique<SkinWatch>(skinsFolder_, skins, control_.get(), kSkinsChanged);
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
    case kReloadRequest:
        if (WidgetWindow* widget = WidgetWindow::FromHandle(reinterpret_cast<HWND>(lParam))) {
            SaveAll();
            if (HostedWidget* hosted = Find(*widget)) Reload(*hosted, config_.Copy().file());
        }
        return 0;
    case kSkinsChanged: SetTimer(window, kSkinReloadTimer, kSkinSettleMs, nullptr); return 0;
    case WM_TIMER:
        if (wParam == kFullScreenTimer) CheckFullScreen();
        if (wParam == kSkinReloadTimer && skinWatch_) {
            KillTimer(window, kSkinReloadTimer);
            const std::vector<std::string> changed = skinWatch_->TakeChanged();
            if (!changed.empty()) ReloadSkins(changed);
        }
        return 0;
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        return data && data->dwData == kCommandLineData && RunCommand(HandedArguments(*data));
    }
    default: return DefWindowProcA(window, msg, wParam, lParam);
    }
}

}  // namespace host
