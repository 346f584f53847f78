// The parts of the information frame that each have a file of their own: the
// time counter, the progress knob, the rating and sound panes, and the album
// art, which lives in a layer of its own.
#pragma once

#include "core/widget_instance.h"
#include "skin/skin_model.h"

void DrawCounter(WidgetInstance& widget, Gdiplus::Graphics& frame, int position, int duration);
void DrawProgressKnob(WidgetInstance& widget, Gdiplus::Bitmap& frameBitmap, Gdiplus::Graphics& frame, int position,
                      int duration);
// Reads the player's volume itself: the pane shows with or without a track.
void DrawSoundPane(WidgetInstance& widget, Gdiplus::Graphics& frame);
void DrawRatingPane(WidgetInstance& widget, Gdiplus::Graphics& frame, itunes::IITTrack& track);
void UpdateAlbumArt(WidgetInstance& widget);
