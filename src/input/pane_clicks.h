// What a click on one of the five value panes does. Each takes the click in
// widget coordinates and ends with a redraw.
#pragma once

#include "core/widget_instance.h"
#include "skin/skin_model.h"

// A pane's value 0..100 for a click at (dx, dy) from the pane's top-left
// corner, growing in the given direction; 0 for an unknown direction.
int PaneValue(int direction, const PaneRect& pane, int dx, int dy);

// The value 0..100 sent for a rating, in whole stars when asked to.
int RatingToSend(int value, bool wholeStars);

// The poll counter after an info-pane click: the start of the next phase.
int NextInfoPhase(int pollTick);

void ClickInfoPane(WidgetInstance& widget);
void ClickCounterPane(WidgetInstance& widget);
void ClickProgressBar(WidgetInstance& widget, POINT point);
void ClickRatingPane(WidgetInstance& widget, POINT point);
void ClickSoundPane(WidgetInstance& widget, POINT point);
