// The host: the loaded module, its widgets and the settings file that brings
// them back on the next start.
#pragma once

#include "host/host_config.h"
#include "host/module_library.h"
#include "host/widget_window.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

class HostApp final : public WidgetOwner {
public:
    HostApp(const std::string& modulePath, const std::string& configFile);
    ~HostApp();
    HostApp(const HostApp&) = delete;
    HostApp& operator=(const HostApp&) = delete;

    bool ModuleLoaded() const { return module_.loaded(); }
    // Brings back the widgets of the settings file, or one new widget when there are none.
    void Restore();
    WidgetWindow* AddWidget(POINT position);
    void RemoveWidget(HWND window);
    // Lets the module save each widget, and writes where each one stands.
    void SaveAll() override;
    // Saves, then destroys every widget.
    void Shutdown();
    // Runs the message loop until the host is asked to exit.
    int Run();

    const std::vector<std::unique_ptr<WidgetWindow>>& widgets() const { return widgets_; }
    const HostConfig& config() const { return config_; }

    void RequestRemove(HWND widget) override;
    void RequestExit() override;
    mpris::PlayerMenu* playerMenu() override { return playerMenu_; }
    // Offers the bridge's players in every widget's menu; not owned.
    void OfferPlayerMenu(mpris::PlayerMenu* menu) { playerMenu_ = menu; }

private:
    static LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    WidgetWindow* CreateWidget(const std::string& group, POINT position, bool withSettings);

    ModuleLibrary module_;
    HostConfig config_;
    std::vector<std::unique_ptr<WidgetWindow>> widgets_;
    std::vector<std::string> groups_;  // settings group of each widget, in step with widgets_
    UniqueWindow control_;              // receives the requests carried out later
    mpris::PlayerMenu* playerMenu_ = nullptr;
};

}  // namespace host
