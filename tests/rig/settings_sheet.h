// A modeless property sheet built from the pages the module handed to the
// host, used as a person would: pages shown, Apply pressed.
#pragma once

#include "rig/rig.h"

#include <string>

namespace rig {

class SettingsSheet {
public:
    explicit SettingsSheet(const Widget& widget);
    ~SettingsSheet() { DestroyWindow(window_); }
    SettingsSheet(const SettingsSheet&) = delete;
    SettingsSheet& operator=(const SettingsSheet&) = delete;

    // Shows the page (creating it the first time) and returns its window.
    HWND Page(int index) const;
    std::string TabTitle(int index) const;
    bool ApplyEnabled() const;
    void PressApply() const;

private:
    HWND window_ = nullptr;
};

}  // namespace rig
