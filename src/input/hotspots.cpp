#include "input/hotspots.h"

const ChangeSkinHotSpot* ClickHotSpotAt(const SkinModel& skin, POINT point, const std::string& skinInUse) {
    for (const auto& spot : skin.hotSpots)
        if (!spot->isHover && spot->rect.Contains(point.x, point.y) &&
            !EqualsIgnoringAsciiCase(spot->newSkinName, skinInUse))
            return spot.get();
    return nullptr;
}

const ChangeSkinHotSpot* HoverHotSpotAt(const SkinModel& skin, int x, int y) {
    for (const auto& spot : skin.hotSpots)
        if (spot->isHover && spot->rect.Contains(x, y)) return spot.get();
    return nullptr;
}
