// One widget: the record the host holds from OnCreate to OnDestroy, one
// member per part, and what the last redraw saw. What acts on a part lives
// with the part, or, when it needs several, in the folder of its subsystem.
#pragma once

#include "core/owned_parts.h"
#include "core/player_link.h"
#include "core/widget_parts.h"
#include "core/widget_settings.h"
#include "platform/entry_guard.h"
#include "platform/win_owners.h"

#include <windows.h>

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
    SkinCachesPtr skinCaches;
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
