// Skin hotspots: a click or the pointer swaps the skin, moves the widget and
// may play a frame animation. A model replaced here lives until the
// transition that replaced it has ended, since the hotspot being run is its.
#pragma once

#include "widget/widget_instance.h"

// Runs the first click hotspot under the point that leads to another skin.
void ClickHotSpot(WidgetInstance& widget, POINT point);

// Takes the hover hotspot under the point, if any, into the hover state.
void HoverHotSpot(WidgetInstance& widget, int x, int y);

// Undoes the hover state: back to the skin and place the hotspot named.
void LeaveHoverSkin(WidgetInstance& widget);
