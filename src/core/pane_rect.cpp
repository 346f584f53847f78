#include "core/pane_rect.h"

#include <algorithm>
#include <limits>

namespace {

int Saturate(int64_t value) {
    return static_cast<int>(
        std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

PaneRect PaneRect::Offset(int dx, int dy) const {
    return {Saturate(int64_t{left} + dx), Saturate(int64_t{top} + dy), width, height};
}

RECT PaneRect::ToRect() const { return {left, top, Saturate(int64_t{left} + width), Saturate(int64_t{top} + height)}; }
