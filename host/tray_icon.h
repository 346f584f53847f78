// The host's icon in the notification area, there whenever the host runs,
// so that it can always be reached, also with no widget shown. Its hidden
// window also hears of changes to the displays and the work area.
#pragma once

#include "platform/win_owners.h"

#include <windows.h>

#include <string>

namespace host {

// Text of the system's code page, for the shell's wide-character calls.
std::wstring Wide(const std::string& text);

class TrayOwner {
public:
    // Left click: every widget shown and brought up.
    virtual void ShowAllWidgets() = 0;
    // A menu built afresh for each right click, and the item chosen from it.
    virtual HMENU TrayMenu() = 0;
    virtual void TrayCommand(int command) = 0;
    // The monitors, their scale or the work area changed.
    virtual void DisplaysChanged() = 0;

protected:
    ~TrayOwner() = default;
};

class TrayIcon {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 10;

    explicit TrayIcon(TrayOwner& owner);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    HWND window() const { return window_.get(); }
    // Whether the shell took the icon the last time it was offered.
    bool shown() const { return shown_; }
    // A warning in a balloon over the icon, until the user or the shell closes it.
    void ShowWarning(const std::string& title, const std::string& text);
    // The text of the last balloon shown, if any.
    const std::string& balloon() const { return balloon_; }
    // The message the shell sends when the taskbar is made anew.
    static UINT TaskbarCreatedMessage();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // Runs from WM_NCCREATE on, before window_ holds the handle.
    LRESULT HandleMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void Add();
    void OnCallback(UINT event, POINT anchor);
    void ShowMenu(POINT anchor);

    TrayOwner& owner_;
    UniqueWindow window_;
    bool shown_ = false;
    std::string balloon_;
};

}  // namespace host
