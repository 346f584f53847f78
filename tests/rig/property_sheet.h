// A modeless property sheet built from the pages the module handed to the
// host, used as a person would: pages shown, Apply pressed.
#pragma once

#include "rig/rig.h"

#include <string>

namespace rig {

class PropertySheet {
public:
    explicit PropertySheet(const Widget& widget);
    ~PropertySheet() { DestroyWindow(window_); }
    PropertySheet(const PropertySheet&) = delete;
    PropertySheet& operator=(const PropertySheet&) = delete;

    // Shows the page (creating it the first time) and returns its window.
    HWND Page(int index) const;
    std::string TabTitle(int index) const;
    bool ApplyEnabled() const;
    void PressApply() const;

private:
    HWND window_ = nullptr;
};

}  // namespace rig
