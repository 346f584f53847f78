// The player's volume as a cached strip or as a knob moving along the sound pane.
#include "render/panes.h"

#include "render/pane_strip.h"

namespace {

void DrawSoundKnob(Gdiplus::Graphics& frame, PaneCaches& caches, const SkinModel& skin, const SkinImages& images,
                   long volume) {
    // A missing file leaves the image null, so the next redraw tries again.
    if (!caches.soundKnobImage) caches.soundKnobImage = images.Load("sound_knob.png");
    Gdiplus::Image* knob = caches.soundKnobImage.get();
    if (!knob) return;
    const PaneRect& pane = skin.soundPane;
    // Double product, then the nearest float: whole percentages cut on whole pixels.
    const float f = static_cast<float>(volume * 0.01);
    const float left = static_cast<float>(pane.left);
    const float top = static_cast<float>(pane.top);
    const float width = static_cast<float>(pane.width);
    const float height = static_cast<float>(pane.height);
    Gdiplus::PointF corner;
    switch (skin.soundDirection) {
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

void DrawSoundPane(Gdiplus::Graphics& frame, PaneCaches& caches, const SkinModel& skin, const SkinImages& images,
                   itunes::IiTunes& player) {
    const PaneRect& pane = skin.soundPane;
    if (!pane.HasArea()) return;
    long volume = 0;
    player.get_SoundVolume(&volume);
    if (skin.soundUseKnob)
        DrawSoundKnob(frame, caches, skin, images, volume);
    else
        DrawValueStrip(frame, caches.sound, volume, static_cast<float>(volume * 0.01), images, pane,
                       skin.soundDirection, {"sound_filled.png", "sound_unfilled.png"});
}
