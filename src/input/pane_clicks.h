// What a click on one of the value panes sends to the player. Each takes the
// click in widget coordinates; the panes lie in the display pane's space.
#pragma once

#include "platform/itunes_app.h"
#include "skin/skin_model.h"

#include <windows.h>

// A pane's value 0..100 for a click at (dx, dy) from the pane's top-left
// corner, growing in the given direction; 0 for an unknown direction.
int PaneValue(int direction, const PaneRect& pane, int dx, int dy);

// The value 0..100 sent for a rating, in whole stars when asked to.
int RatingToSend(int value, bool wholeStars);

// The poll counter after an info-pane click: the start of the next phase.
int NextInfoPhase(int pollTick);

void ClickProgressBar(itunes::IiTunes& player, const SkinModel& skin, POINT point);
void ClickRatingPane(itunes::IiTunes& player, const SkinModel& skin, POINT point, bool wholeStars);
void ClickSoundPane(itunes::IiTunes& player, const SkinModel& skin, POINT point);
