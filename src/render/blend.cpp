#include "render/blend.h"

#include <algorithm>

using namespace Gdiplus;

namespace {

uint32_t Over(uint32_t source, uint32_t target) {
    const uint32_t sourceAlpha = source >> 24;
    if (sourceAlpha == 0) return target;
    const uint32_t targetAlpha = target >> 24;
    if (sourceAlpha == 255 || targetAlpha == 0) return source;
    const uint32_t targetWeight = targetAlpha * (255 - sourceAlpha);  // scaled by 255
    const uint32_t alpha255 = sourceAlpha * 255 + targetWeight;       // result alpha, scaled by 255
    uint32_t result = ((alpha255 + 127) / 255) << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t t = (target >> shift) & 0xFF;
        result |= ((s * sourceAlpha * 255 + t * targetWeight + alpha255 / 2) / alpha255) << shift;
    }
    return result;
}

// The part of a width x height area at (left, top) that lies inside the target.
bool Clip(Bitmap& target, int& left, int& top, int& width, int& height, int& skipX, int& skipY) {
    const int targetWidth = static_cast<int>(target.GetWidth());
    const int targetHeight = static_cast<int>(target.GetHeight());
    skipX = std::max(0, -left);
    skipY = std::max(0, -top);
    left += skipX;
    top += skipY;
    width = std::min(width - skipX, targetWidth - left);
    height = std::min(height - skipY, targetHeight - top);
    return width > 0 && height > 0;
}

}  // namespace

bool BlendOnto(Bitmap& target, const PixelBlock& block, int left, int top) {
    int width = block.width;
    int height = block.height;
    int skipX = 0;
    int skipY = 0;
    if (!Clip(target, left, top, width, height, skipX, skipY)) return true;
    Rect area(left, top, width, height);
    BitmapData data;
    if (target.LockBits(&area, ImageLockModeRead | ImageLockModeWrite, PixelFormat32bppARGB, &data) != Ok) return false;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<BYTE*>(data.Scan0) + y * data.Stride);
        const uint32_t* source = block.pixels + (y + skipY) * block.stride + skipX;
        for (int x = 0; x < width; ++x) row[x] = Over(source[x], row[x]);
    }
    target.UnlockBits(&data);
    return true;
}

bool TransparentIn(Bitmap& target, int left, int top, int width, int height) {
    int skipX = 0;
    int skipY = 0;
    if (!Clip(target, left, top, width, height, skipX, skipY)) return true;
    Rect area(left, top, width, height);
    BitmapData data;
    if (target.LockBits(&area, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return false;
    bool transparent = true;
    for (int y = 0; y < height && transparent; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        transparent = std::all_of(row, row + width, [](uint32_t pixel) { return (pixel >> 24) == 0; });
    }
    target.UnlockBits(&data);
    return transparent;
}

std::vector<uint32_t> ReadPixels(Bitmap& target, int left, int top, int width, int height) {
    std::vector<uint32_t> pixels;
    Rect area(left, top, width, height);
    BitmapData data;
    if (target.LockBits(&area, ImageLockModeRead, PixelFormat32bppARGB, &data) != Ok) return pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        pixels.insert(pixels.end(), row, row + width);
    }
    target.UnlockBits(&data);
    return pixels;
}
