// Timing shared by the benchmarks: every figure is a multiple of the floor,
// and the floor and the tick are timed in turn, round by round, so that both
// see the same state of the machine.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <functional>
#include <memory>
#include <vector>

// How long one run of `run` took, in microseconds.
double TimedMicroseconds(const std::function<void()>& run);
// The value a fraction of the way up the sorted values (0.5: the median).
double Quantile(std::vector<double> values, double fraction);

// The least a redraw can do: a fresh width x height frame with one cached
// image drawn into it, handed to the widget's info layer.
class FloorTick {
public:
    FloorTick(HWND widget, int width, int height);
    void operator()() const;

private:
    HWND widget_;
    int width_, height_;
    UINT layer_;
    std::unique_ptr<Gdiplus::Bitmap> cached_;
};

// One kind of tick: `between` runs untimed before each timed `tick`.
struct TickKind {
    std::function<void()> between;
    std::function<void()> tick;
};

// Medians of the tick and the floor in microseconds, and the tick's ratio to
// the floor of the same round: its median and quartiles over the rounds.
struct RatioFigures {
    double tickMicroseconds = 0;
    double floorMicroseconds = 0;
    double medianRatio = 0;
    double lowerQuartile = 0;
    double upperQuartile = 0;
};

RatioFigures InterleavedRatio(int rounds, const FloorTick& floor, const TickKind& kind);
