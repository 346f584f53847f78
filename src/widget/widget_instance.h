// One widget: the record the host holds from OnCreate to OnDestroy, one
// member per part, and what the last redraw saw. Each part is declared with
// the code that acts on it; what needs several parts lives in this folder.
#pragma once

#include "core/player_link.h"
#include "core/widget_settings.h"
#include "input/hover_state.h"
#include "platform/entry_guard.h"
#include "platform/win_owners.h"
#include "render/marquee.h"
#include "render/pane_caches.h"
#include "render/skin_caches.h"
#include "skin/skin_model.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

struct WidgetInstance {
    WidgetInstance(HWND window, HINSTANCE module);
    ~WidgetInstance();
    WidgetInstance(const WidgetInstance&) = delete;
    WidgetInstance& operator=(const WidgetInstance&) = delete;

    // COM for this widget, from creation until teardown lets go of the player.
    std::optional<ComApartment> com;
    HWND deskletWindow;
    HINSTANCE moduleHandle;
    PlayerLink player;
    WidgetSettings settings;
    // The skin in use, and what is loaded and drawn from it until another loads.
    SkinModelPtr skin;
    std::unique_ptr<SkinCaches> skinCaches;
    bool skinChanged = true;  // the next frame also installs the skin's background
    // What the last redraw saw and drew.
    bool notPlaying = true;
    int pollTick = 0;
    MarqueeState marquee;
    PaneCaches panes;
    std::optional<std::wstring> artworkTrackName;  // the track the album art shows
    HoverState hover;
};

// The body of a per-widget entry point: a null instance does nothing, and the
// caller gets `answer` whatever happened inside.
template <class Result, class Operation>
Result ForInstance(void* inst, Result answer, Operation&& operation) noexcept {
    return Guarded(answer, [&] {
        if (auto* instance = static_cast<WidgetInstance*>(inst)) operation(*instance);
        return answer;
    });
}
