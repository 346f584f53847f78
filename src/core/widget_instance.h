// One widget: the record the host holds from OnCreate to OnDestroy, one
// member per concern, and the operations every entry point forwards to. The
// operations are defined in the folder of the subsystem that owns them, and
// so are the parts whose types belong to the subsystems above this one.
#pragma once

#include "core/owned_parts.h"
#include "core/pane_rect.h"
#include "core/player_link.h"
#include "core/timer_ids.h"
#include "core/widget_parts.h"
#include "platform/entry_guard.h"
#include "platform/win_owners.h"

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// How a request of the user's reaches the player before acting on it.
struct PlayerRequest {
    bool probeHeld;    // a held object is asked whether it still answers, else a running player attached
    bool hideStarted;  // a player this request has to start gets the hide setting
};
// Clicks and the menu: probe, start, and hide what they started.
constexpr PlayerRequest kClickRequest{true, true};
// A drop takes a held object as it is and leaves a player it starts shown.
constexpr PlayerRequest kDropRequest{false, false};

class WidgetInstance {
public:
    WidgetInstance(HWND window, HINSTANCE module);
    ~WidgetInstance();
    WidgetInstance(const WidgetInstance&) = delete;
    WidgetInstance& operator=(const WidgetInstance&) = delete;

    // Lifecycle and settings (core).
    void Create(const char* iniFile, const char* iniGroup);
    void ReadInstanceSettings(const char* iniFile, const char* iniGroup);
    BOOL WriteInstanceSettings(const char* iniFile, const char* iniGroup) const;
    void ApplyAutoHideITunes(int value);
    void ProcessMessage(UINT msg, WPARAM wParam);
    void StartPollTimer();

    // Skins. LoadSkin hands back the previous model for the caller to discard.
    [[nodiscard]] SkinModelPtr LoadSkin(const std::string& name, bool forAnimation);
    std::string SkinIniPath() const;

    // Rendering.
    void Redraw(bool force);
    // Slides the info text when it is wider than its pane; false when it fits.
    bool StartMarqueeIfTooWide();
    void StopMarquee();
    void MarqueeStep();

    // Reaching the player for a request of the user's; a player it starts is polled from then on.
    void AttachOrStart(PlayerRequest request);

    // Mouse input.
    void LeftButtonClick(POINT point);
    void RightButtonClick();
    void WheelForward();
    void WheelBackward();
    void MouseMove(int x, int y);
    void MouseOn();
    void MouseOut();

    // Drops and property pages.
    void Drop(IDataObject* data);
    int AddPropertySheets();

    // COM for this widget, from creation until teardown lets go of the player.
    std::optional<ComApartment> com;
    HWND deskletWindow;
    HINSTANCE moduleHandle;
    PlayerLink player;
    // The settings.
    int showTimePlayed = 1;
    int hideWhenNotLoaded = 0;
    int autoHideITunes = 0;
    std::string skinDir = "default";
    bool use5Rating = true;
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
