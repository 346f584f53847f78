// The info pane: the artist or the track's name, laid out in the pane or, while
// the marquee runs, as the slid window of its image.
#pragma once

#include "platform/itunes_app.h"
#include "render/frame_target.h"
#include "render/marquee.h"
#include "render/text_cache.h"
#include "skin/skin_model.h"

#include <string>

// The text the poll counter's phase shows: the artist, or the name when the
// track has no artist or the name's phase has come.
std::wstring ChooseInfoText(itunes::IITTrack& track, int pollTick);

// Draws the marquee's text in the skin's info pane.
void DrawInfoText(FrameTarget frame, const MarqueeState& marquee, const SkinModel& skin, TextPixelCache& texts);
