// The time counter: time played or time remaining, in the counter font.
#include "render/panes.h"

#include "render/format_time.h"

#include "render/text.h"

#include <algorithm>
#include <limits>

void DrawCounter(WidgetInstance& widget, Gdiplus::Graphics& frame, int position, int duration) {
    const SkinModel& skin = *widget.skin;
    // A skin without a counter leaves its pane at zero size.
    if (!skin.counterPane.HasArea()) return;
    const long long shown = widget.showTimePlayed ? position : static_cast<long long>(duration) - position;
    const int seconds = static_cast<int>(std::clamp<long long>(shown, std::numeric_limits<int>::min(),
                                                               std::numeric_limits<int>::max()));
    DrawCachedText(widget, frame, FormatTime(seconds), skin.counterFont, skin.counterPane);
}
