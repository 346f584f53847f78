// The two window timers' ticks: the once-a-second poll redraws and plays a
// finished addition, the marquee tick slides the text and redraws.
#include "core/info_cycle.h"
#include "core/timer_ids.h"
#include "widget/operations.h"
#include "widget/redraw.h"

namespace {

void TimerTick(WidgetInstance& widget, WPARAM timerId) {
    if (timerId == kPollTimerId) {
        widget.pollTick = NextPollTick(widget.pollTick);
        widget.player.PlayFinishedAddition();
        // While the text scrolls, the scroll timer redraws ten times as often.
        if (!widget.marquee.scrolling) Redraw(widget, false);
    } else if (timerId == kScrollTimerId) {
        widget.marquee.Step(widget.skin ? widget.skin->infoPane.width : 0);
        Redraw(widget, false);
    }
}

}  // namespace

void ProcessMessage(WidgetInstance& widget, UINT msg, WPARAM wParam) {
    if (msg == WM_TIMER) TimerTick(widget, wParam);
}
