// The three named layers the widget keeps over the host's base layer, each
// placed in skin space with the skin's background as the reference size. Ids
// are stacking positions, so a layer is looked up by name each time.
#pragma once

#include "core/pane_rect.h"

#include <windows.h>

#include <string>

struct SkinModel;

constexpr char kAlbumArtLayer[] = "Quillbracket.AlbumArt";
constexpr char kPauseLayer[] = "Quillbracket.Pause_Button";
constexpr char kInfoLayer[] = "Quillbracket.Info";

class WidgetLayers {
public:
    WidgetLayers(HWND window, const SkinModel& skin);

    // The named layer's id; `present` tells whether the host has it.
    UINT Find(const char* name, bool* present = nullptr) const;
    // The named layer, added on top when the host has none; `added` tells which.
    UINT FindOrAdd(const char* name, bool* added = nullptr) const;
    // As FindOrAdd, and a layer just added is placed on the rectangle.
    UINT Ensure(const char* name, const PaneRect& rect) const;
    // The named layer, added just above the base layer.
    UINT AddAboveBase(const char* name) const;
    void Place(UINT id, const PaneRect& rect) const;
    // Shows or hides the pause layer. A layer it has to add, or any when
    // `install` says so, goes on the button with the pause image of the skin
    // in the widget's folder skinDir.
    void ShowPause(const PaneRect& button, const std::string& skinDir, bool visible, bool install) const;

private:
    HWND window_;
    SIZE reference_;
};
