// Skin data is untrusted: a frame or text image larger than this on either
// side is not composed at all rather than allocated (4096 x 4096 ARGB is 64 MB).
#pragma once

constexpr int kMaxBitmapSide = 4096;

inline bool FitsFrameLimits(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide;
}
