// The player's volume as a cached strip or as a knob moving along the sound pane.
#include "render/panes.h"

#include "render/pane_strip.h"

namespace {

void DrawSoundKnob(WidgetInstance& widget, Gdiplus::Graphics& frame, long volume) {
    if (!widget.panes.soundKnobImage) {
        // A missing file leaves this null, so the next redraw tries again.
        widget.panes.soundKnobImage = widget.LoadImageFile(widget.SkinImagePath(widget.skinDir, "sound_knob.png"));
    }
    Gdiplus::Image* knob = widget.panes.soundKnobImage.get();
    if (!knob) return;
    const PaneRect& pane = widget.skin->soundPane;
    // Double product, then the nearest float: whole percentages cut on whole pixels.
    const float f = static_cast<float>(volume * 0.01);
    const float left = static_cast<float>(pane.left);
    const float top = static_cast<float>(pane.top);
    const float width = static_cast<float>(pane.width);
    const float height = static_cast<float>(pane.height);
    Gdiplus::PointF corner;
    switch (widget.skin->soundDirection) {
    case kLeftToRight: corner = {left + width * f, top}; break;
    case kRightToLeft: corner = {left + width - width * f, top}; break;
    case kTopToBottom: corner = {left, top + height * f}; break;
    case kBottomToTop: corner = {left, top + height - height * f}; break;
    default: return;
    }
    frame.DrawImage(knob, Gdiplus::RectF(corner.X, corner.Y, static_cast<float>(knob->GetWidth()),
                                         static_cast<float>(knob->GetHeight())));
}

}  // namespace

void DrawSoundPane(WidgetInstance& widget, Gdiplus::Graphics& frame) {
    const PaneRect& pane = widget.skin->soundPane;
    if (!pane.HasArea() || !widget.player.iTunesApp) return;
    long volume = 0;
    widget.player.iTunesApp->get_SoundVolume(&volume);
    if (widget.panes.soundImageValue != volume) widget.panes.soundImage.reset();
    if (widget.skin->soundUseKnob) {
        DrawSoundKnob(widget, frame, volume);
    } else {
        if (!widget.panes.soundImage) {
            widget.panes.soundImage = RenderPaneStrip(widget, pane, widget.skin->soundDirection, static_cast<float>(volume * 0.01),
                                                "sound_filled.png", "sound_unfilled.png");
        }
        if (widget.panes.soundImage) {
            frame.DrawImage(widget.panes.soundImage.get(), Gdiplus::Rect(pane.left, pane.top, pane.width, pane.height));
        }
    }
    widget.panes.soundImageValue = volume;
}
