// Where widgets go on the monitors' work areas: where a drag lands, where a
// new widget finds room, where one left off screen comes back.
#pragma once

#include <windows.h>

#include <vector>

namespace host {

constexpr LONG kSnapDistance = 10;

// The top-left corner for a widget dragged to `moving`: an edge that comes
// within reach of a work area's edge or of another widget's edge lands on it.
POINT SnapPosition(const RECT& moving, const std::vector<RECT>& workAreas, const std::vector<RECT>& widgets);

// The first place in the area, by rows from its top-left, where a widget of
// that size covers none of the others.
POINT FreePlace(SIZE size, const RECT& area, const std::vector<RECT>& widgets);

// Where a widget stays: where it stands while at least half of it is on the
// work areas, else wholly on the nearest one.
POINT OnScreenPosition(const RECT& bounds, const std::vector<RECT>& workAreas);

}  // namespace host
