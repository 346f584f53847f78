// Where widgets go on the monitors' work areas: where a drag lands, where a
// new widget finds room, where one left off screen comes back.
#pragma once

#include "host/monitors.h"

#include <windows.h>

#include <string>
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

// A widget's place as kept: on screen, and from the top-left of the monitor it
// stood on, so that it follows that monitor wherever the monitor comes back.
struct KeptPlace {
    POINT screen = {};
    std::string monitor;  // empty when none was kept
    POINT fromMonitor = {};
};
KeptPlace PlaceOn(POINT screen, const NamedMonitor& monitor);
// Where a kept place is now: on its monitor when that is there, else where it was on screen.
POINT CurrentPosition(const KeptPlace& place, const std::vector<NamedMonitor>& monitors);

}  // namespace host
