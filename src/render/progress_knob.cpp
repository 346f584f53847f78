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

void DrawKnob(Gdiplus::Graphics& frame, const SkinModel& skin, Gdiplus::Image* image, const KnobDrawing& knob) {
    const Gdiplus::Rect& box = knob.box;
    switch (knob.kind) {
    case KnobDrawing::kEllipse: DrawShape(frame, skin, box, true); break;
    case KnobDrawing::kBar: DrawShape(frame, skin, box, false); break;
    case KnobDrawing::kImage: frame.DrawImage(image, box); break;
    case KnobDrawing::kRevealedImage:
        // Reveals the image up to the position instead of stretching it.
        frame.DrawImage(image,
                        Gdiplus::RectF(static_cast<float>(box.X), static_cast<float>(box.Y), knob.revealedWidth,
                                       static_cast<float>(box.Height)),
                        0.0f, 0.0f, static_cast<float>(box.Width), static_cast<float>(box.Height), Gdiplus::UnitPixel);
        break;
    }
}

}  // namespace

void DrawProgressKnob(WidgetInstance& widget, Gdiplus::Bitmap& frameBitmap, Gdiplus::Graphics& frame, int position,
                      int duration) {
    const SkinModel& skin = *widget.skin;
    const PaneRect& bar = skin.progressBar;
    // A stream has no length, and a skin without a bar leaves it at zero size.
    if (duration == 0 || !bar.HasArea()) return;
    const double percent = static_cast<double>(position) / duration * 100;
    const float x = static_cast<float>(bar.width * percent * 0.01);
    const int wholeX = Truncate(x);
    // The knob's left edge, not its centre, marks the position.
    const PaneRect knob = PaneRect{bar.left, bar.top, skin.knobWidth, skin.knobHeight}.Offset(wholeX, 0);

    KnobDrawing drawing;
    drawing.box = Gdiplus::Rect(knob.left, knob.top, knob.width, knob.height);
    if (skin.stretchKnob) drawing.box = Gdiplus::Rect(bar.left, bar.top, wholeX, skin.knobHeight);
    if (!skin.knobUseBitmap) {
        drawing.kind = skin.stretchKnob ? KnobDrawing::kBar : KnobDrawing::kEllipse;
    } else if (skin.stretchKnob) {
        drawing.kind = KnobDrawing::kRevealedImage;
        drawing.revealedWidth = x;
    } else {
        drawing.kind = KnobDrawing::kImage;
    }
    Gdiplus::Image* image = widget.knobImage.get();
    if (skin.knobUseBitmap && !image) return;
    const Gdiplus::Rect& box = drawing.box;
    const float width = drawing.kind == KnobDrawing::kRevealedImage ? x : static_cast<float>(box.Width);
    const Gdiplus::RectF bounds(static_cast<float>(box.X), static_cast<float>(box.Y), width,
                                static_cast<float>(box.Height));
    widget.knobCache.Draw(frameBitmap, frame, drawing, bounds,
                          [&](Gdiplus::Graphics& graphics) { DrawKnob(graphics, skin, image, drawing); });
}
