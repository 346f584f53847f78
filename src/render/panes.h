#pragma once
#include "core/widget_instance.h"
std::wstring FormatTime(int seconds);
void DrawCounter(WidgetInstance& widget, Gdiplus::Graphics& frame, int position, int duration);     // counter
void DrawProgressKnob(WidgetInstance& widget, Gdiplus::Bitmap& frameBitmap, Gdiplus::Graphics& frame, int position,
                      int duration);  // progress knob
void DrawSoundPane(WidgetInstance& widget, Gdiplus::Graphics& frame);   // step 9, reads get_SoundVolume itself
void DrawRatingPane(WidgetInstance& widget, Gdiplus::Graphics& frame, itunes::IITTrack& track); // step 14
void UpdateAlbumArt(WidgetInstance& widget);   // step 6
