#include "input/pane_clicks.h"

#include "core/info_cycle.h"

#include <algorithm>

namespace {

// The click's offset from a pane's top-left corner; panes lie in the
// display pane's space.
POINT OffsetInPane(const SkinModel& skin, const PaneRect& pane, POINT point) {
    return {static_cast<LONG>(int64_t{point.x} - skin.displayPane.left - pane.left),
            static_cast<LONG>(int64_t{point.y} - skin.displayPane.top - pane.top)};
}

}  // namespace

int PaneValue(int direction, const PaneRect& pane, int dx, int dy) {
    // Only called for a hit, so the pane's extent in the direction is positive.
    switch (direction) {
    case kLeftToRight: return static_cast<int>(double(dx) / pane.width * 100);
    case kRightToLeft: return static_cast<int>(100 - double(dx) / pane.width * 100);
    case kTopToBottom: return static_cast<int>(double(dy) / pane.height * 100);
    case kBottomToTop: return static_cast<int>(100 - double(dy) / pane.height * 100);
    default: return 0;
    }
}

int RatingToSend(int value, bool wholeStars) {
    if (!wholeStars) return value;
    if (value < 10) return 0;
    if (value > 87) return 100;
    return (value / 20 + 1) * 20;
}

int NextInfoPhase(int pollTick) {
    // Advance as the poll timer does until a phase has just begun.
    do {
        pollTick = NextPollTick(pollTick);
    } while (!JustBeganPhase(pollTick));
    return pollTick;
}

void ClickProgressBar(itunes::IiTunes& player, const SkinModel& skin, POINT point) {
    itunes::ComPtr<itunes::IITTrack> track;
    player.get_CurrentTrack(track.GetAddressOf());
    if (!track) return;
    long duration = 0;
    track->get_Duration(&duration);
    const PaneRect& bar = skin.progressBar;
    const POINT offset = OffsetInPane(skin, bar, point);
    // The percentage is scaled back by 0.01 in single precision, which
    // lies just below 0.01: whole results come out one second early.
    constexpr double kPercent = 0.01f;
    const double position = double(offset.x) / bar.width * 100 * kPercent * duration;
    player.put_PlayerPosition(static_cast<long>(position));
}

void ClickRatingPane(itunes::IiTunes& player, const SkinModel& skin, POINT point, bool wholeStars) {
    itunes::ComPtr<itunes::IITTrack> track;
    player.get_CurrentTrack(track.GetAddressOf());
    if (!track) return;
    const POINT offset = OffsetInPane(skin, skin.ratingPane, point);
    const int value = PaneValue(skin.ratingDirection, skin.ratingPane, offset.x, offset.y);
    track->put_Rating(RatingToSend(value, wholeStars));
}

void ClickSoundPane(itunes::IiTunes& player, const SkinModel& skin, POINT point) {
    const POINT offset = OffsetInPane(skin, skin.soundPane, point);
    const int value = PaneValue(skin.soundDirection, skin.soundPane, offset.x, offset.y);
    player.put_SoundVolume(std::min(value, 100));
}
