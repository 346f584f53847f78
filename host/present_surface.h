// What a layered window is updated from: a 32-bit section selected into a
// memory DC, and the screen's DC. They are kept while the window lives and
// its size stays, since making them for every frame costs more than the frame.
#pragma once

#include "platform/win_owners.h"

#include <windows.h>

#include <optional>

namespace host {

class PresentSurface {
public:
    // The section's pixels, top-down, for a window of that size; made anew
    // (and `made` set) only when the size changed. Null when none can be made.
    UINT32* PixelsFor(SIZE size, bool& made);
    // Puts the section on the window where it stands, at the opacity; with a
    // dirty rectangle, only that part of the window is sent anew.
    void Show(HWND window, BYTE opacity, const RECT* dirty);

private:
    ScreenDc screen_;
    UniqueMemoryDc memory_;
    UniqueBitmap section_;
    std::optional<SelectedObject> selected_;  // let go of before the section and the DC
    UINT32* pixels_ = nullptr;
    SIZE size_ = {};
    bool sizeShown_ = false;  // the window's layered surface has the section's size
};

}  // namespace host
