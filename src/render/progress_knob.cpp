// The progress knob: where playback stands, drawn last so it lies on top.
#include "render/panes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The graphics library's cost grows with the size of a shape, not with the
// part of it that shows, so nothing larger than any frame and nothing
// reaching further past the frame than its outline can show is handed over.
constexpr int kMaxKnobSide = 16384;
// How far past its edges a shape's outline pen and smoothing can colour pixels.
constexpr int kReach = 2;

int Truncate(double value) {
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(value), kMin, kMax));
}

int BoundedSide(int side) { return std::clamp(side, -kMaxKnobSide, kMaxKnobSide); }

struct FrameSize {
    int width;
    int height;
};

// Where the drawing lands: a revealed image ends at the exact progress point.
Gdiplus::RectF Bounds(const KnobDrawing& drawing) {
    const Gdiplus::Rect& box = drawing.box;
    const float width =
        drawing.kind == KnobDrawing::kRevealedImage ? drawing.revealedWidth : static_cast<float>(box.Width);
    return Gdiplus::RectF(static_cast<float>(box.X), static_cast<float>(box.Y), width, static_cast<float>(box.Height));
}

// Whether any of the box (either way round) lies within reach of the frame.
bool WithinReach(const Gdiplus::RectF& box, FrameSize frame) {
    const double x0 = box.X, x1 = x0 + box.Width, y0 = box.Y, y1 = y0 + box.Height;
    return std::max(x0, x1) >= -kReach && std::min(x0, x1) <= frame.width + kReach && std::max(y0, y1) >= -kReach &&
           std::min(y0, y1) <= frame.height + kReach;
}

// The bar's edges moved in to just past the frame: inside the frame the fill
// and outline are the same, and the edges moved lie out of sight.
Gdiplus::Rect CutToReach(const Gdiplus::Rect& box, FrameSize frame) {
    const auto reach = [](int64_t edge, int side) {
        return static_cast<int>(std::clamp<int64_t>(edge, -kReach, int64_t{side} + kReach));
    };
    const int left = reach(box.X, frame.width);
    const int top = reach(box.Y, frame.height);
    return Gdiplus::Rect(left, top, reach(int64_t{box.X} + box.Width, frame.width) - left,
                         reach(int64_t{box.Y} + box.Height, frame.height) - top);
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

void DrawProgressKnob(FrameTarget frame, SkinCaches& caches, const SkinModel& skin, int position, int duration) {
    const PaneRect& bar = skin.progressBar;
    // A stream has no length, and a skin without a bar leaves it at zero size.
    if (duration == 0 || !bar.HasArea()) return;
    const double percent = static_cast<double>(position) / duration * 100;
    const float x = static_cast<float>(bar.width * percent * 0.01);
    const int wholeX = Truncate(x);
    const FrameSize frameSize{static_cast<int>(frame.bitmap.GetWidth()), static_cast<int>(frame.bitmap.GetHeight())};
    // The knob's left edge, not its centre, marks the position.
    const PaneRect knob =
        PaneRect{bar.left, bar.top, BoundedSide(skin.knobWidth), BoundedSide(skin.knobHeight)}.Offset(wholeX, 0);

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
    Gdiplus::Image* image = caches.knobImage.get();
    if (skin.knobUseBitmap && !image) return;
    if (!WithinReach(Bounds(drawing), frameSize)) return;
    if (drawing.kind == KnobDrawing::kBar) drawing.box = CutToReach(drawing.box, frameSize);
    caches.knob.Draw(frame.bitmap, frame.graphics, drawing, Bounds(drawing),
                     [&](Gdiplus::Graphics& graphics) { DrawKnob(graphics, skin, image, drawing); });
}
