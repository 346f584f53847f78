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

double MedianMicroseconds(int samples, const std::function<void()>& tick, const std::function<void()>& between) {
    std::vector<double> times;
    times.reserve(static_cast<size_t>(samples));
    for (int sample = 0; sample < samples; ++sample) {
        between();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        tick();
        QueryPerformanceCounter(&end);
        times.push_back(Microseconds(end.QuadPart - start.QuadPart));
        // The recording host keeps every call; don't let the record grow through a run.
        if (sample % 200 == 0) rig::RecordingHost::Get().ClearCalls();
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

double FloorMicroseconds(int samples, HWND widget, int width, int height) {
    // Opaque pixels: a transparent image could be skipped by the library.
    Gdiplus::Bitmap cached(width, height / 3, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&cached);
        graphics.Clear(Gdiplus::Color(0xC0336699));
    }
    BOOL found = FALSE;
    const UINT layer = DeskletLayerGetLayer(widget, "Quillbracket.Info", &found);
    return MedianMicroseconds(
        samples,
        [&] {
            auto* frame = new Gdiplus::Bitmap(width, height, PixelFormat32bppARGB);
            {
                Gdiplus::Graphics graphics(frame);
                graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
                graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
                graphics.DrawImage(&cached, 0, 0, 0, 0, width, height / 3, Gdiplus::UnitPixel);
            }
            DeskletLayerSetImage(widget, layer, TRUE, frame, TRUE);
        },
        [] {});
}
