// The parts of the information frame that each have a file of their own: the
// time counter, the progress knob, the rating and sound panes, and the album
// art, which lives in a layer of its own. Each draws from what it is given.
#pragma once

#include "core/widget_instance.h"
#include "platform/itunes_app.h"
#include "render/skin_caches.h"
#include "skin/skin_images.h"
#include "skin/skin_model.h"

struct FrameTarget {
    Gdiplus::Bitmap& bitmap;
    Gdiplus::Graphics& graphics;
};

void DrawCounter(Gdiplus::Graphics& frame, TextPixelCache& texts, const SkinModel& skin, int position, int duration,
                 bool showTimePlayed);
void DrawProgressKnob(FrameTarget frame, SkinCaches& caches, const SkinModel& skin, int position, int duration);
// Reads the player's volume itself: the pane shows with or without a track.
void DrawSoundPane(Gdiplus::Graphics& frame, PaneCaches& caches, const SkinModel& skin, const SkinImages& images,
                   itunes::IiTunes& player);
void DrawRatingPane(Gdiplus::Graphics& frame, PaneCaches& caches, const SkinModel& skin, const SkinImages& images,
                    itunes::IITTrack& track, bool use5Rating);
void UpdateAlbumArt(WidgetInstance& widget);
