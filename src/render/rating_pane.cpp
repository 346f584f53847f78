// The current track's rating as a cached strip in the rating pane.
#include "render/panes.h"

#include "render/pane_strip.h"

namespace {

constexpr int kPointsPerStar = 20;

}  // namespace

void DrawRatingPane(Gdiplus::Graphics& frame, PaneCaches& caches, const SkinModel& skin, const SkinImages& images,
                    itunes::IITTrack& track, bool use5Rating) {
    const PaneRect& pane = skin.ratingPane;
    if (!pane.HasArea()) return;
    long rating = 0;
    track.get_Rating(&rating);
    if (caches.ratingImageValue != rating) caches.ratingImage.reset();
    if (!caches.ratingImage) {
        long shown = rating;
        if (use5Rating) shown = shown / kPointsPerStar * kPointsPerStar;
        caches.ratingImage = RenderPaneStrip(images, pane, skin.ratingDirection, static_cast<float>(shown * 0.01),
                                             "rating_filled.png", "rating_unfilled.png");
    }
    if (caches.ratingImage)
        frame.DrawImage(caches.ratingImage.get(), Gdiplus::Rect(pane.left, pane.top, pane.width, pane.height));
    caches.ratingImageValue = rating;
}
