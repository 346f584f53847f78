// A rectangle of a skin: left, top, width, height in skin pixels.
#pragma once

#include <windows.h>

#include <cstdint>

struct PaneRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // Strictly inside: a point on the first row or column, or just past the
    // last, misses. Wide arithmetic, so huge skin values cannot overflow.
    bool Contains(int x, int y) const {
        const int64_t right = int64_t{left} + width;
        const int64_t bottom = int64_t{top} + height;
        return left < x && x < right && top < y && y < bottom;
    }
    bool HasArea() const { return width != 0 && height != 0; }
    // The same rectangle moved by (dx, dy), saturating instead of overflowing.
    PaneRect Offset(int dx, int dy) const;
    // Left, top, right, bottom as the host takes placements.
    RECT ToRect() const;
};
