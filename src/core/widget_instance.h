// One widget: the record the host holds from OnCreate to OnDestroy, and the
// operations every entry point forwards to. The operations are defined in the
// folder of the subsystem that owns them.
#pragma once

#include "core/timer_ids.h"
#include "platform/entry_guard.h"
#include "platform/itunes_app.h"
#include "platform/win_owners.h"
#include "render/knob_cache.h"
#include "render/text_cache.h"
#include "skin/skin_model.h"

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>


// Longest text of a skin name, settings text or path held in the 260-byte buffers.
constexpr size_t kMaxText = 259;

class WidgetInstance {
public:
    WidgetInstance(HWND window, HINSTANCE module);
    ~WidgetInstance();
    WidgetInstance(const WidgetInstance&) = delete;
    WidgetInstance& operator=(const WidgetInstance&) = delete;

    // Lifecycle and settings (core).
    void Create(const char* iniFile, const char* iniGroup);
    void TeardownInstance();
    void ReadInstanceSettings(const char* iniFile, const char* iniGroup);
    BOOL WriteInstanceSettings(const char* iniFile, const char* iniGroup) const;
    void ApplyAutoHideITunes(int value);
    void ProcessMessage(UINT msg, WPARAM wParam);
    void StartPollTimer();

    // Skins. LoadSkin hands back the previous model for the caller to discard.
    [[nodiscard]] std::unique_ptr<SkinModel> LoadSkin(const std::string& name, bool forAnimation);
    std::string SkinIniPath() const;
    std::string RelativeFolder() const;
    // Path of a file in a skin's "images" folder as the host sees it; empty when too long.
    std::string SkinImagePath(const std::string& skinName, const std::string& file) const;
    std::unique_ptr<Gdiplus::Image> LoadImageFile(const std::string& path) const;
    UINT FindLayer(const char* name, bool* found) const;
    UINT FindOrAddLayer(const char* name) const;
    void PlaceLayer(UINT id, const PaneRect& rect) const;

    // Rendering.
    void Redraw(bool force);
    bool TextTooWide();
    void StartMarquee(const std::wstring& text);
    void StopMarquee();
    void MarqueeStep();

    // Mouse input.
    void AttachOrStart();
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
    // Fields, in the record's order.
    HWND deskletWindow;
    HINSTANCE moduleHandle;
    itunes::ComPtr<itunes::IiTunes> iTunesApp;
    itunes::ComPtr<itunes::IITOperationStatus> pendingOperation;
    bool notPlaying = true;
    int showTimePlayed = 1;
    int pollTick = 0;
    int hideWhenNotLoaded = 0;
    int autoHideITunes = 0;
    std::wstring infoText;
    bool scrolling = false;
    int scrollOffset = 0;
    std::unique_ptr<Gdiplus::Bitmap> scrollImage;
    std::unique_ptr<Gdiplus::Image> knobImage;
    bool mouseOver = false;
    bool scrollingBack = false;
    int scrollPauseTicks = 0;
    std::unique_ptr<SkinModel> skin;
    std::string skinDir = "default";
    std::optional<std::wstring> artworkTrackName;
    std::unique_ptr<Gdiplus::Image> ratingImage;
    std::unique_ptr<Gdiplus::Image> soundImage;
    std::unique_ptr<Gdiplus::Image> soundKnobImage;
    int ratingImageValue = 0;
    int soundImageValue = -1;
    bool use5Rating = true;
    bool skinChanged = true;
    bool hoverSkinActive = false;
    PaneRect hoverRect;
    std::string mouseOutSkinName;
    int mouseOutXOffset = 0;
    int mouseOutYOffset = 0;
    bool inMouseMove = false;
    std::vector<std::string> hoverAnimationFrames;
    TextPixelCache textCache;  // dropped when a skin loads
    KnobPixelCache knobCache;  // likewise
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
