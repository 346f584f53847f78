// The two window timers: the once-a-second poll and the marquee tick.
#include "core/info_cycle.h"
#include "core/widget_instance.h"

namespace {

// Plays the first track of a finished library addition; an addition that
// reports no tracks yet is asked again on the next tick.
void PlayFinishedAddition(itunes::ComPtr<itunes::IITOperationStatus>& pending) {
    VARIANT_BOOL inProgress = VARIANT_FALSE;
    pending->get_InProgress(&inProgress);
    if (inProgress) return;
    itunes::ComPtr<itunes::IITTrackCollection> tracks;
    pending->get_Tracks(tracks.GetAddressOf());
    if (!tracks) return;
    long count = 0;
    tracks->get_Count(&count);
    if (count <= 0) return;
    itunes::ComPtr<itunes::IITTrack> first;
    tracks->get_Item(1, first.GetAddressOf());
    if (first) first->Play();
    pending.Reset();
}

}  // namespace

void WidgetInstance::ProcessMessage(UINT msg, WPARAM wParam) {
    if (msg != WM_TIMER) return;
    if (wParam == kPollTimerId) {
        pollTick = NextPollTick(pollTick);
        if (player.pendingOperation) PlayFinishedAddition(player.pendingOperation);
        // While the text scrolls, the scroll timer redraws ten times as often.
        if (!marquee.scrolling) Redraw(false);
    } else if (wParam == kScrollTimerId) {
        MarqueeStep();
        Redraw(false);
    }
}

extern "C" BOOL __stdcall OnProcessMessage(void* inst, HWND, UINT msg, WPARAM wParam, LPARAM) {
    return ForInstance(inst, FALSE, [&](WidgetInstance& widget) { widget.ProcessMessage(msg, wParam); });
}
