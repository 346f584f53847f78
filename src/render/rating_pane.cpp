// The current track's rating as a cached strip in the rating pane.
#include "render/panes.h"

#include "render/pane_strip.h"

namespace {

constexpr int kPointsPerStar = 20;

}  // namespace

void DrawRatingPane(WidgetInstance& widget, Gdiplus::Graphics& frame, itunes::IITTrack& track) {
    const PaneRect& pane = widget.skin->ratingPane;
    if (!pane.HasArea()) return;
    long rating = 0;
    track.get_Rating(&rating);
    if (widget.panes.ratingImageValue != rating) widget.panes.ratingImage.reset();
    if (!widget.panes.ratingImage) {
        long shown = rating;
        if (widget.use5Rating) shown = shown / kPointsPerStar * kPointsPerStar;
        widget.panes.ratingImage = RenderPaneStrip(widget, pane, widget.skin->ratingDirection, static_cast<float>(shown * 0.01),
                                             "rating_filled.png", "rating_unfilled.png");
    }
    if (widget.panes.ratingImage) {
        frame.DrawImage(widget.panes.ratingImage.get(), Gdiplus::Rect(pane.left, pane.top, pane.width, pane.height));
    }
    widget.panes.ratingImageValue = rating;
}
