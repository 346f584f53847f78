// The host: the loaded module, its widgets and the settings file that brings
// them back on the next start.
#pragma once

#include "host/host_config.h"
#include "host/hosted_widget.h"
#include "host/login_start.h"
#include "host/module_library.h"
#include "host/skin_watch.h"
#include "host/tray_icon.h"
#include "host/widget_window.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

class HostApp final : public WidgetOwner, public TrayOwner {
public:
    static constexpr char kSaveFailureTitle[] = "Quillbracket settings not saved";
    static constexpr char kSkinProblemTitle[] = "Quillbracket skin not usable";

    HostApp(const std::string& modulePath, const std::string& configFile);
    ~HostApp();
    HostApp(const HostApp&) = delete;
    HostApp& operator=(const HostApp&) = delete;

    bool ModuleLoaded() const { return module_.loaded(); }
    // Brings back the widgets of the settings file, or one new widget (saved at once) when there are none.
    void Restore();
    WidgetWindow* AddWidget(POINT position);
    // A new widget in that skin, at a free place of the primary monitor's work area; saved at once.
    WidgetWindow* AddSkinWidget(const std::string& skin);
    // The skins of the skins folder beside the module, by name.
    std::vector<std::string> SkinNames() const;
    // Moves each widget less than half on screen wholly onto the nearest work
    // area; a widget goes back to the place it was given when that is on screen again.
    void KeepOnScreen();
    void HideAllWidgets();
    void ShowAllWidgets() override;
    // Stacks every widget by its layer anew, as showing may have put one out of place.
    void ApplyLayers();
    // Hides the widgets that give way to a full-screen program on their
    // monitor, and shows them again once it has gone; checked every second
    // while any widget gives way.
    void CheckFullScreen();
    bool watchingFullScreen() const { return watchingFullScreen_; }
    // The icon in the notification area, from now until the host ends.
    void ShowTrayIcon();
    const TrayIcon* trayIcon() const { return tray_.get(); }
    HMENU TrayMenu() override;
    void TrayCommand(int command) override;
    void DisplaysChanged() override { KeepOnScreen(); }
    void RemoveWidget(HWND window);
    // Lets the module save each widget, and writes where each one stands: one write of the file.
    void SaveAll() override;
    // Saves, then destroys every widget.
    void Shutdown();
    // A command line of quillhost's own commands (--add SKIN, --show-all,
    // --hide-all, --reload, --exit; none shows every widget); false when not
    // understood or not done.
    bool RunCommand(const std::vector<std::string>& arguments);
    // Makes each widget in one of these skins (all with none given) anew from
    // its saved settings, so that it shows its skin as the folder holds it now.
    void ReloadSkins(const std::vector<std::string>& skins = {});
    void ReloadWidget(WidgetWindow& widget) override;
    // From now on, a skin of a widget's that changes on disk is shown anew within a second.
    void WatchSkinFolders();
    // Runs the message loop until the host is asked to exit.
    int Run();

    std::vector<WidgetWindow*> widgets() const;
    HostConfig& config() { return config_; }
    const HostConfig& config() const { return config_; }

    void WidgetChanged(WidgetWindow& widget) override;
    void WidgetShown(WidgetWindow&) override { ApplyLayers(); }
    std::vector<RECT> OtherWidgetBounds(const WidgetWindow& widget) const override;
    void RequestRemove(HWND widget) override;
    void RequestExit() override;
    bridge::windows::PlayerMenu* playerMenu() override { return playerMenu_; }
    // Offers Start at login in the tray menu; not owned.
    void OfferLoginStart(const LoginStart* loginStart) { loginStart_ = loginStart; }
    // Offers the bridge's players in every widget's menu; not owned.
    void OfferPlayerMenu(bridge::windows::PlayerMenu* menu) { playerMenu_ = menu; }

private:
    static LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleControlMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // settingsFile: where the module reads its group from; none for a widget without settings.
    WidgetWindow* CreateWidget(const std::string& group, POINT position, const char* settingsFile);
    // Puts the widget's place and options into the settings held.
    void Remember(const HostedWidget& widget);
    HostedWidget* Find(const WidgetWindow& window);
    std::vector<std::string> Groups() const;
    // Writes the settings held to the file. The first failure of a run of them
    // (this write's, or the one given) is said on stderr and in the icon's balloon.
    void Keep(std::string failure = {});
    void WatchFullScreen();
    // A skin that is missing or has errors is told once, on stderr and in the
    // icon's balloon, and marked in the icon's menu.
    void CheckSkinOf(HostedWidget& widget);
    void Tell(const std::string& title, const std::string& text);
    void Reload(HostedWidget& widget, const char* settingsFile);
    // The skins the widgets show, as the settings name them.
    std::vector<std::string> SkinsShown() const;
    std::string SkinShown(const HostedWidget& widget) const;
    // Watches the skins the widgets show now, when watching.
    void UpdateSkinWatch();

    ModuleLibrary module_;
    HostConfig config_;
    std::vector<HostedWidget> widgets_;
    UniqueWindow control_;  // receives the requests carried out later
    std::unique_ptr<TrayIcon> tray_;
    std::string skinsFolder_;
    bridge::windows::PlayerMenu* playerMenu_ = nullptr;
    const LoginStart* loginStart_ = nullptr;
    bool watchingFullScreen_ = false;
    std::string saveFailure_;  // what the failed writes since the last good one were told, if any
    std::vector<std::string> toldSkinProblems_;
    bool watchSkins_ = false;
    std::unique_ptr<SkinWatch> skinWatch_;                     // of the skins the widgets show
    std::vector<std::pair<std::string, std::string>> untold_;  // balloons waiting for the icon: title, text
};

}  // namespace host
