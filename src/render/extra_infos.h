// The extra-info boxes a skin declares, each showing one property of the track.
#pragma once

#include "platform/itunes_app.h"
#include "render/text_cache.h"
#include "skin/skin_model.h"

// Draws every box in the skin's order, asking the player for the current track
// and the property for each box.
void DrawExtraInfos(Gdiplus::Graphics& frame, TextPixelCache& texts, const SkinModel& skin, itunes::IiTunes& player);
