#include "host/changed_area.h"

#include <cstring>

namespace host {

bool ChangedArea(const uint32_t* now, const uint32_t* before, SIZE size, RECT& area) {
    const size_t rowBytes = static_cast<size_t>(size.cx) * sizeof(uint32_t);
    auto rowDiffers = [&](LONG y) { return std::memcmp(now + y * size.cx, before + y * size.cx, rowBytes) != 0; };
    LONG top = 0;
    while (top < size.cy && !rowDiffers(top)) ++top;
    if (top == size.cy) return false;
    LONG bottom = size.cy;
    while (!rowDiffers(bottom - 1)) --bottom;
    LONG left = size.cx, right = 0;
    for (LONG y = top; y < bottom; ++y) {
        const uint32_t* a = now + y * size.cx;
        const uint32_t* b = before + y * size.cx;
        LONG x = 0;
        while (x < left && a[x] == b[x]) ++x;
        left = x < left ? x : left;
        x = size.cx;
        while (x > right && a[x - 1] == b[x - 1]) --x;
        right = x > right ? x : right;
    }
    area = {left, top, right, bottom};
    return true;
}

}  // namespace host
