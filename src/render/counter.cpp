// The time counter: time played or time remaining, in the counter font.
#include "render/panes.h"

#include "render/format_time.h"

#include <algorithm>
#include <limits>

void DrawCounter(Gdiplus::Graphics& frame, TextPixelCache& texts, const SkinModel& skin, int position, int duration,
                 bool showTimePlayed) {
    // A skin without a counter leaves its pane at zero size.
    if (!skin.counterPane.HasArea()) return;
    const long long shown = showTimePlayed ? position : static_cast<long long>(duration) - position;
    const int seconds = static_cast<int>(
        std::clamp<long long>(shown, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    texts.DrawChanging(frame, FormatTime(seconds), skin.counterFont, skin.counterPane);
}
