// Which skin hotspot a click or the pointer takes, in the skin's own order.
#pragma once

#include "skin/skin_model.h"

#include <windows.h>

#include <string>

// The first click hotspot under the point that leads to another skin than
// the one in use; null when none does.
const ChangeSkinHotSpot* ClickHotSpotAt(const SkinModel& skin, POINT point, const std::string& skinInUse);

// The first hover hotspot under the point; null when none is.
const ChangeSkinHotSpot* HoverHotSpotAt(const SkinModel& skin, int x, int y);
