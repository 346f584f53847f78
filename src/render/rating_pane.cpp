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
    const long shown = use5Rating ? rating / kPointsPerStar * kPointsPerStar : rating;
    DrawValueStrip(frame, caches.rating, rating, static_cast<float>(shown * 0.01), images, pane, skin.ratingDirection,
                   {"rating_filled.png", "rating_unfilled.png"});
}
