// Composing the widget's information frame: one redraw turns the player's
// state into a frame for the "Quillbracket.Info" layer, drawn by the render
// folder's parts from the widget's. A paused or absent player composes
// nothing until something forces it.
#include "widget/redraw.h"

#include "platform/host_api.h"
#include "render/argb_bitmap.h"
#include "render/extra_infos.h"
#include "render/info_text.h"
#include "render/panes.h"
#include "render/text.h"
#include "skin/skin_images.h"
#include "skin/widget_layers.h"

using namespace Gdiplus;

namespace {

constexpr wchar_t kNotLoadedText[] = L"iTunes not loaded";

bool PlayerIsPlaying(itunes::IiTunes* app) {
    if (!app) return false;
    itunes::ITPlayerState state = itunes::ITPlayerStateStopped;
    app->get_PlayerState(&state);
    return state == itunes::ITPlayerStatePlaying;
}

void ShowPauseLayer(WidgetInstance& widget, bool visible) {
    WidgetLayers(widget.deskletWindow, *widget.skin)
        .ShowPause(widget.skin->pausePlayButton, widget.settings.skinDir, visible, false);
}

// A changed text restarts or stops the marquee.
void TakeInfoText(WidgetInstance& widget, const std::wstring& text) {
    MarqueeState& marquee = widget.marquee;
    if (text == marquee.infoText) return;
    marquee.infoText = text;
    if (!widget.hover.mouseOver || !StartMarqueeIfTooWide(widget)) marquee.Stop(widget.deskletWindow);
}

// Bottom to top: sound pane, extra infos, rating pane, info text, counter, knob.
void DrawFrameContents(WidgetInstance& widget, FrameTarget frame) {
    const SkinModel& skin = *widget.skin;
    SkinCaches& caches = *widget.skinCaches;
    itunes::IiTunes* player = widget.player.iTunesApp.Get();
    if (!player) {
        PrepareGraphics(frame.graphics);
        if (skin.infoPane.HasArea()) DrawText(frame.graphics, kNotLoadedText, skin.font, skin.infoPane);
        return;
    }
    const SkinImages images(widget.deskletWindow, widget.settings.skinDir);
    if (skin.soundPane.HasArea()) DrawSoundPane(frame.graphics, widget.panes, skin, images, *player);
    long position = 0;
    player->get_PlayerPosition(&position);
    itunes::ComPtr<itunes::IITTrack> track;
    player->get_CurrentTrack(track.GetAddressOf());
    if (!track) return;
    // The sound pane above keeps the graphics' default modes.
    PrepareGraphics(frame.graphics);
    DrawExtraInfos(frame.graphics, caches.text, skin, *player);
    long duration = 0;
    track->get_Duration(&duration);
    const std::wstring text = ChooseInfoText(*track.Get(), widget.pollTick);
    if (skin.ratingPane.HasArea())
        DrawRatingPane(frame.graphics, widget.panes, skin, images, *track.Get(), widget.settings.use5Rating);
    TakeInfoText(widget, text);
    DrawInfoText(frame, widget.marquee, skin, caches.text);
    if (skin.counterPane.HasArea())
        DrawCounter(frame.graphics, caches.text, skin, position, duration, widget.settings.showTimePlayed != 0);
    if (skin.progressBar.HasArea()) DrawProgressKnob(frame, caches, skin, position, duration);
}

void ComposeFrame(WidgetInstance& widget) {
    const HostFunctions& host = Host();
    if (widget.skin->showAlbumArt)
        UpdateAlbumArt(widget.deskletWindow, widget.moduleHandle, *widget.skin, widget.settings.skinDir,
                       widget.player.iTunesApp.Get(), widget.artworkTrackName);

    // A display pane of no area or beyond the size limit gets no frame.
    std::unique_ptr<Bitmap> frame = NewArgbBitmap(widget.skin->displayPane.width, widget.skin->displayPane.height);
    UINT layer = 0;
    if (frame) {
        layer = WidgetLayers(widget.deskletWindow, *widget.skin).Ensure(kInfoLayer, widget.skin->displayPane);
        // The graphics goes before the host gets the frame, which it may delete at once.
        Graphics graphics(frame.get());
        widget.skinCaches->text.BeginFrame(*frame);
        DrawFrameContents(widget, {*frame, graphics});
        widget.skinCaches->text.EndFrame();
    }

    // After a skin change the base image's own redraw shows the frame too.
    const BOOL redrawWithFrame = widget.skinChanged ? FALSE : TRUE;
    if (frame && host.DeskletLayerSetImage)
        host.DeskletLayerSetImage(widget.deskletWindow, layer, redrawWithFrame, frame.release(), TRUE);
    if (widget.skinChanged) {
        const std::string background = SkinImages(widget.deskletWindow, widget.settings.skinDir).Path("bg.png");
        if (!background.empty()) CallIfPresent(host.DeskletSetImageFile, widget.deskletWindow, background.c_str());
        CallIfPresent(host.DeskletLayerSetVisibility, widget.deskletWindow, 0u, TRUE, TRUE);
        widget.skinChanged = false;
    }
}

}  // namespace

// The skin's font's family is the one its texts already draw with.
bool StartMarqueeIfTooWide(WidgetInstance& widget) {
    const FontFamily* family =
        widget.skinCaches ? widget.skinCaches->text.FamilyOf(widget.skin->font.faceName) : nullptr;
    return widget.marquee.StartIfTooWide(widget.deskletWindow, *widget.skin, family);
}

void Redraw(WidgetInstance& widget, bool force) {
    if (!widget.skin) return;
    PlayerLink& player = widget.player;
    // A redraw never starts the player: it attaches only when it runs.
    player.ProbeOrAttach(widget.deskletWindow);
    const bool present = player.Attached();
    if (present)
        CallIfPresent(Host().DeskletShow, widget.deskletWindow);
    else if (widget.settings.hideWhenNotLoaded)
        CallIfPresent(Host().DeskletHide, widget.deskletWindow);

    const bool notPlayingNow = !PlayerIsPlaying(player.iTunesApp.Get());
    if (notPlayingNow != widget.notPlaying || force) ShowPauseLayer(widget, notPlayingNow);
    // notPlaying still holds the previous redraw's state: the redraw that
    // first sees a pause composes one last frame.
    if (force || (present && (!widget.notPlaying || widget.marquee.scrolling))) ComposeFrame(widget);
    widget.notPlaying = notPlayingNow;
}
