#include "host/placement.h"

#include <algorithm>
#include <cstdlib>

namespace host {
namespace {

// The smallest shift that puts one of the edges offered onto its target.
class NearestShift {
public:
    void Offer(LONG edge, LONG target) {
        const LONG shift = target - edge;
        if (std::labs(shift) <= kSnapDistance && std::labs(shift) < std::labs(best_)) best_ = shift;
    }
    LONG shift() const { return std::labs(best_) <= kSnapDistance ? best_ : 0; }

private:
    LONG best_ = kSnapDistance + 1;
};

// Another widget's edge counts only beside it: spans that meet or nearly meet.
bool SpansMeet(LONG firstStart, LONG firstEnd, LONG secondStart, LONG secondEnd) {
    return firstStart <= secondEnd + kSnapDistance && secondStart <= firstEnd + kSnapDistance;
}

void OfferEdges(NearestShift& shift, LONG start, LONG end, LONG targetStart, LONG targetEnd, bool besides) {
    shift.Offer(start, targetStart);
    shift.Offer(end, targetEnd);
    if (!besides) return;
    shift.Offer(start, targetEnd);
    shift.Offer(end, targetStart);
}

LONGLONG Area(const RECT& rect) {
    return static_cast<LONGLONG>(std::max(0L, rect.right - rect.left)) * std::max(0L, rect.bottom - rect.top);
}

LONGLONG OverlapArea(const RECT& first, const RECT& second) {
    RECT overlap = {};
    return IntersectRect(&overlap, &first, &second) ? Area(overlap) : 0;
}

// Squared distance from a rectangle's centre to the nearest point of an area.
LONGLONG DistanceTo(const RECT& bounds, const RECT& area) {
    const LONG x = (bounds.left + bounds.right) / 2, y = (bounds.top + bounds.bottom) / 2;
    const LONGLONG dx = x - std::clamp(x, area.left, area.right), dy = y - std::clamp(y, area.top, area.bottom);
    return dx * dx + dy * dy;
}

// Within the area where it fits; a widget larger than the area keeps its top-left corner inside.
LONG Inside(LONG start, LONG length, LONG areaStart, LONG areaEnd) {
    return std::max(areaStart, std::min(start, areaEnd - length));
}

}  // namespace

POINT SnapPosition(const RECT& moving, const std::vector<RECT>& workAreas, const std::vector<RECT>& widgets) {
    NearestShift dx, dy;
    for (const RECT& area : workAreas) {
        OfferEdges(dx, moving.left, moving.right, area.left, area.right, false);
        OfferEdges(dy, moving.top, moving.bottom, area.top, area.bottom, false);
    }
    for (const RECT& other : widgets) {
        if (SpansMeet(moving.top, moving.bottom, other.top, other.bottom))
            OfferEdges(dx, moving.left, moving.right, other.left, other.right, true);
        if (SpansMeet(moving.left, moving.right, other.left, other.right))
            OfferEdges(dy, moving.top, moving.bottom, other.top, other.bottom, true);
    }
    return {moving.left + dx.shift(), moving.top + dy.shift()};
}

POINT FreePlace(SIZE size, const RECT& area, const std::vector<RECT>& widgets) {
    constexpr LONG kMargin = 16;
    for (LONG y = area.top + kMargin; y + size.cy <= area.bottom; y += kMargin) {
        for (LONG x = area.left + kMargin; x + size.cx <= area.right; x += kMargin) {
            const RECT place = {x, y, x + size.cx, y + size.cy};
            if (std::none_of(widgets.begin(), widgets.end(),
                             [&](const RECT& other) { return OverlapArea(place, other) > 0; }))
                return {x, y};
        }
    }
    return {area.left + kMargin, area.top + kMargin};
}

POINT OnScreenPosition(const RECT& bounds, const std::vector<RECT>& workAreas) {
    LONGLONG visible = 0;
    for (const RECT& area : workAreas) visible += OverlapArea(bounds, area);
    if (workAreas.empty() || 2 * visible >= Area(bounds)) return {bounds.left, bounds.top};
    const RECT& nearest = *std::min_element(workAreas.begin(), workAreas.end(), [&](const RECT& a, const RECT& b) {
        return DistanceTo(bounds, a) < DistanceTo(bounds, b);
    });
    return {Inside(bounds.left, bounds.right - bounds.left, nearest.left, nearest.right),
            Inside(bounds.top, bounds.bottom - bounds.top, nearest.top, nearest.bottom)};
}

KeptPlace PlaceOn(POINT screen, const NamedMonitor& monitor) {
    return {screen, monitor.name, {screen.x - monitor.bounds.left, screen.y - monitor.bounds.top}};
}

POINT CurrentPosition(const KeptPlace& place, const std::vector<NamedMonitor>& monitors) {
    for (const NamedMonitor& monitor : monitors)
        if (!place.monitor.empty() && monitor.name == place.monitor)
            return {monitor.bounds.left + place.fromMonitor.x, monitor.bounds.top + place.fromMonitor.y};
    return place.screen;
}

}  // namespace host
