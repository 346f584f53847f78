// Timing shared by the benchmarks: medians of timed runs and the floor every
// figure is a multiple of.
#pragma once

#include <windows.h>

#include <functional>

// Median of `samples` timed runs of `tick`; `between` runs untimed before each.
double MedianMicroseconds(int samples, const std::function<void()>& tick, const std::function<void()>& between);

// The least a redraw can do: a fresh width x height frame with one cached
// image drawn into it, handed to the widget's info layer.
double FloorMicroseconds(int samples, HWND widget, int width, int height);
