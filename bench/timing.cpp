#include "bench/timing.h"

#include "rig/rig.h"

#include <algorithm>
#include <vector>

namespace {

double Microseconds(LONGLONG ticks) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

}  // namespace

double TimedMicroseconds(const std::function<void()>& run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    run();
    QueryPerformanceCounter(&end);
    return Microseconds(end.QuadPart - start.QuadPart);
}

double Quantile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5)];
}

FloorTick::FloorTick(HWND widget, int width, int height)
    : widget_(widget), width_(width), height_(height), layer_(0),
      cached_(std::make_unique<Gdiplus::Bitmap>(width, height / 3, PixelFormat32bppARGB)) {
    // Opaque pixels: a transparent image could be skipped by the library.
    Gdiplus::Graphics(cached_.get()).Clear(Gdiplus::Color(0xC0336699));
    BOOL found = FALSE;
    layer_ = DeskletLayerGetLayer(widget, "Quillbracket.Info", &found);
}

void FloorTick::operator()() const {
    auto* frame = new Gdiplus::Bitmap(width_, height_, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(frame);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.DrawImage(cached_.get(), 0, 0, 0, 0, width_, height_ / 3, Gdiplus::UnitPixel);
    }
    DeskletLayerSetImage(widget_, layer_, TRUE, frame, TRUE);
}

RatioFigures InterleavedRatio(int rounds, const FloorTick& floor, const TickKind& kind) {
    std::vector<double> floors, ticks, ratios;
    for (int round = 0; round < rounds; ++round) {
        const double floorTime = TimedMicroseconds([&] { floor(); });
        kind.between();
        const double tickTime = TimedMicroseconds(kind.tick);
        floors.push_back(floorTime);
        ticks.push_back(tickTime);
        ratios.push_back(tickTime / floorTime);
        // The recording host keeps every call; don't let the record grow through a run.
        if (round % 200 == 0) rig::RecordingHost::Get().ClearCalls();
    }
    RatioFigures figures;
    figures.tickMicroseconds = Quantile(ticks, 0.5);
    figures.floorMicroseconds = Quantile(floors, 0.5);
    figures.medianRatio = Quantile(ratios, 0.5);
    figures.lowerQuartile = Quantile(ratios, 0.25);
    figures.upperQuartile = Quantile(ratios, 0.75);
    return figures;
}
