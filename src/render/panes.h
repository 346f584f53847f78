// The parts of the information frame that each have a file of their own: the
// time counter, the progress knob, the rating and sound panes, and the album
// art, which lives in a layer of its own. Each draws from what it is given.
#pragma once

#include "platform/itunes_app.h"
#include "render/frame_target.h"
#include "render/pane_caches.h"
#include "render/skin_caches.h"
#include "skin/skin_images.h"
#include "skin/skin_model.h"

#include <optional>
#include <string>

void DrawCounter(Gdiplus::Graphics& frame, TextPixelCache& texts, const SkinModel& skin, int position, int duration,
                 bool showTimePlayed);
void DrawProgressKnob(FrameTarget frame, SkinCaches& caches, const SkinModel& skin, int position, int duration);
// Reads the player's volume itself: the pane shows with or without a track.
void DrawSoundPane(Gdiplus::Graphics& frame, PaneCaches& caches, const SkinModel& skin, const SkinImages& images,
                   itunes::IiTunes& player);
void DrawRatingPane(Gdiplus::Graphics& frame, PaneCaches& caches, const SkinModel& skin, const SkinImages& images,
                    itunes::IITTrack& track, bool use5Rating);
// Shows the current track's artwork on the window's album-art layer unless
// shownTrack already names the track, and names it there; the player saves
// the artwork to a file in the module's folder. skinDir names the skin's
// folder, where its overlay is.
void UpdateAlbumArt(HWND window, HINSTANCE module, const SkinModel& skin, const std::string& skinDir,
                    itunes::IiTunes* player, std::optional<std::wstring>& shownTrack);
