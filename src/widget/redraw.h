// One redraw turns the player's state into the widget's frame.
#pragma once

#include "widget/widget_instance.h"

// Shows or hides the widget for the player's presence and composes a frame
// while something plays; `force` composes one whatever the state.
void Redraw(WidgetInstance& widget, bool force);

// Slides the info text while it is wider than its pane; false when it fits.
bool StartMarqueeIfTooWide(WidgetInstance& widget);
