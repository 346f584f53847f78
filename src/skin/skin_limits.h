// Ceilings that keep a broken or hostile skin folder from costing unbounded
// time or memory. Counts in "skin.ini" are read as written, then clamped here.
#pragma once

#include <cstddef>

// Bytes of "skin.ini" that are read, far beyond any real skin (a few KiB,
// some hundred with long frame lists); only what lies past them is ignored.
// Reading holds the file about five times over, plus an index of its lines.
constexpr size_t kMaxSkinIniBytes = size_t{8} << 20;

constexpr int kMaxExtraInfos = 256;
constexpr int kMaxHotSpots = 256;
constexpr int kMaxAnimationFrames = 256;

// Text keys are read into buffers of these sizes, terminating zero included.
constexpr size_t kSkinTextBuffer = 260;
constexpr size_t kSkinTypeBuffer = 100;
