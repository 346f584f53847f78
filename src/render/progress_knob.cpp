// The progress knob: where playback stands, drawn last so it lies on top.
#include "render/panes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int Truncate(double value) {
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(value), kMin, kMax));
}

void DrawShape(Gdiplus::Graphics& frame, const SkinModel& skin, const Gdiplus::Rect& bounds, bool ellipse) {
    Gdiplus::GraphicsPath path;
    if (ellipse) {
        path.AddEllipse(bounds);
    } else {
        path.AddRectangle(bounds);
    }
    Gdiplus::SolidBrush fill(Gdiplus::Color(skin.innerKnobColor));
    frame.FillPath(&fill, &path);
    Gdiplus::Pen outline(Gdiplus::Color(skin.outerKnobColor), 1.0f);
    frame.DrawPath(&outline, &path);
}

}  // namespace

void DrawProgressKnob(WidgetInstance& widget, Gdiplus::Graphics& frame, int position, int duration) {
    const SkinModel& skin = *widget.skin;
    const PaneRect& bar = skin.progressBar;
    // A stream has no length, and a skin without a bar leaves it at zero size.
    if (duration == 0 || !bar.HasArea()) return;
    const double percent = static_cast<double>(position) / duration * 100;
    const float x = static_cast<float>(bar.width * percent * 0.01);
    const int wholeX = Truncate(x);
    // The knob's left edge, not its centre, marks the position.
    const PaneRect knob = PaneRect{bar.left, bar.top, skin.knobWidth, skin.knobHeight}.Offset(wholeX, 0);
    const Gdiplus::Rect knobRect(knob.left, knob.top, knob.width, knob.height);

    if (!skin.knobUseBitmap) {
        if (skin.stretchKnob) {
            DrawShape(frame, skin, Gdiplus::Rect(bar.left, bar.top, wholeX, skin.knobHeight), false);
        } else {
            DrawShape(frame, skin, knobRect, true);
        }
        return;
    }
    Gdiplus::Image* image = widget.knobImage.get();
    if (!image) return;
    if (skin.stretchKnob) {
        // Reveals the image up to the position instead of stretching it.
        const Gdiplus::RectF revealed(static_cast<float>(bar.left), static_cast<float>(bar.top), x,
                                      static_cast<float>(skin.knobHeight));
        frame.DrawImage(image, revealed, 0.0f, 0.0f, static_cast<float>(wholeX),
                        static_cast<float>(skin.knobHeight), Gdiplus::UnitPixel);
    } else {
        frame.DrawImage(image, knobRect);
    }
}
