// The host as the notification-area icon offers it: its menu, adding a
// widget in a skin, showing and hiding them all, keeping them on screen.
#include "host/host_app.h"

#include "host/monitors.h"
#include "host/placement.h"

#include <shellapi.h>

#include <algorithm>

namespace host {
namespace {

enum TrayItem {
    kHideAll = 1,
    kShowAll,
    kLockAll,
    kOpenSettingsFolder,
    kExitHost,
    kStartAtLogin,
    kFirstWidgetItem = 100,  // one a widget, to show or hide it
    kFirstSkinItem = 1000    // one a skin, to add a widget in it
};
constexpr size_t kMaxListed = kFirstSkinItem - kFirstWidgetItem;
constexpr char kBrokenSkinMark[] = " (skin broken)";

std::string FolderOf(const std::string& file) { return file.substr(0, file.find_last_of("\\/") + 1); }

}  // namespace

std::vector<std::string> HostApp::SkinNames() const { return SkinsIn(skinsFolder_); }

WidgetWindow* HostApp::AddSkinWidget(const std::string& skin) {
    // A skin that is not there would make a widget no one sees.
    if (!SkinExists(skinsFolder_, skin)) return nullptr;
    const std::string group = HostConfig::NewGroup(Groups());
    config_.Forget(group);
    // The module takes its skin from its own settings, as it would after a restart.
    config_.WriteSkin(group, skin);
    const RECT area = PrimaryWorkArea();
    // The copy lasts until the module has read its group from it.
    WidgetWindow* widget = CreateWidget(group, {area.left, area.top}, config_.Copy().file());
    if (!widget) return nullptr;
    const SIZE size = widget->Size();
    const POINT place =
        FreePlace({size.cx * widget->Scale(), size.cy * widget->Scale()}, area, OtherWidgetBounds(*widget));
    widget->Move({place.x, place.y, place.x + size.cx, place.y + size.cy}, false);
    SaveAll();
    return widget;
}

void HostApp::KeepOnScreen() {
    const std::vector<RECT> areas = WorkAreas();
    for (const HostedWidget& hosted : widgets_) {
        WidgetWindow& widget = *hosted.window;
        widget.UpdateScale();
        // From the place last given, so that a widget goes back when its monitor does.
        const POINT given = config_.ReadPosition(hosted.group, widget.Position());
        RECT bounds = widget.ScreenBounds();
        OffsetRect(&bounds, given.x - bounds.left, given.y - bounds.top);
        const POINT place = OnScreenPosition(bounds, areas);
        const POINT now = widget.Position();
        if (place.x == now.x && place.y == now.y) continue;
        const SIZE size = widget.Size();
        widget.Move({place.x, place.y, place.x + size.cx, place.y + size.cy}, false);
    }
}

void HostApp::HideAllWidgets() {
    for (const HostedWidget& widget : widgets_) widget.window->SetHidden(HideReason::User, true);
}

// Brought up, each within its layer.
void HostApp::ShowAllWidgets() {
    for (const HostedWidget& widget : widgets_) {
        widget.window->SetHidden(HideReason::User, false);
        SetWindowPos(widget.window->window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ApplyLayers();
}

// What went wrong before the icon was there is told now.
void HostApp::ShowTrayIcon() {
    if (tray_) return;
    tray_ = std::make_unique<TrayIcon>(*this);
    for (const auto& [title, text] : untold_)
        // A failure to save that a later save made good is not told.
        if (title != kSaveFailureTitle || !saveFailure_.empty()) tray_->ShowWarning(title, text);
    untold_.clear();
}

HMENU HostApp::TrayMenu() {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (size_t i = 0; i < widgets_.size() && i < kMaxListed; ++i) {
        const HostedWidget& widget = widgets_[i];
        const std::string skin = config_.SkinOf(widget.group);
        std::string label = skin.empty() ? widget.group : skin;
        // A skin that is missing or broken is marked where the user looks for the widget.
        if (!widget.skinProblem.empty()) label += kBrokenSkinMark;
        AppendMenuW(menu, MF_STRING | (widget.window->HiddenBy(HideReason::User) ? MF_UNCHECKED : MF_CHECKED),
                    kFirstWidgetItem + i, Wide(label).c_str());
    }
    HMENU skins = CreatePopupMenu();
    const std::vector<std::string> names = SkinNames();
    for (size_t i = 0; i < names.size(); ++i) AppendMenuW(skins, MF_STRING, kFirstSkinItem + i, Wide(names[i]).c_str());
    if (!widgets_.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(skins), L"Add widget");
    AppendMenuW(menu, MF_STRING, kHideAll, L"Hide all");
    AppendMenuW(menu, MF_STRING, kShowAll, L"Show all");
    const bool allLocked =
        !widgets_.empty() && std::all_of(widgets_.begin(), widgets_.end(),
                                         [](const HostedWidget& widget) { return widget.window->options().locked; });
    AppendMenuW(menu, MF_STRING | (allLocked ? MF_CHECKED : MF_UNCHECKED), kLockAll, L"Lock all positions");
    if (loginStart_) {
        // A portable copy never writes the registry: the item shows, greyed.
        const UINT state = loginStart_->portable() ? MF_GRAYED : (loginStart_->enabled() ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuW(menu, MF_STRING | state, kStartAtLogin, L"Start at login");
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kOpenSettingsFolder, L"Open settings folder");
    AppendMenuW(menu, MF_STRING, kExitHost, L"Exit");
    return menu;
}

void HostApp::TrayCommand(int command) {
    switch (command) {
    case kHideAll: HideAllWidgets(); return;
    case kShowAll: ShowAllWidgets(); return;
    case kLockAll: {
        const bool lock = !std::all_of(widgets_.begin(), widgets_.end(),
                                       [](const HostedWidget& widget) { return widget.window->options().locked; });
        for (const HostedWidget& widget : widgets_) {
            WidgetOptions options = widget.window->options();
            options.locked = lock;
            widget.window->SetOptions(options);
            Remember(widget);
        }
        Keep();
        return;
    }
    case kOpenSettingsFolder:
        ShellExecuteA(nullptr, "open", FolderOf(config_.file()).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    case kExitHost: RequestExit(); return;
    case kStartAtLogin:
        if (loginStart_) loginStart_->Set(!loginStart_->enabled());
        return;
    default: break;
    }
    const size_t widget = static_cast<size_t>(command - kFirstWidgetItem);
    const size_t skin = static_cast<size_t>(command - kFirstSkinItem);
    const std::vector<std::string> names = command >= kFirstSkinItem ? SkinNames() : std::vector<std::string>{};
    if (command >= kFirstSkinItem && skin < names.size())
        AddSkinWidget(names[skin]);
    else if (command >= kFirstWidgetItem && widget < widgets_.size()) {
        WidgetWindow& chosen = *widgets_[widget].window;
        chosen.SetHidden(HideReason::User, !chosen.HiddenBy(HideReason::User));
    }
}

}  // namespace host
