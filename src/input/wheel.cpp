// The wheel steps the player's volume: up by 5 (unmuting), down by 4.
#include "render/redraw.h"

#include <algorithm>

namespace {

constexpr long kLoudest = 100;

// The player takes volumes 0..100 only: a step past either end stops there.
void StepVolume(WidgetInstance& widget, bool up) {
    if (!widget.player.iTunesApp) return;
    itunes::IiTunes& app = *widget.player.iTunesApp.Get();
    long volume = 0;
    app.get_SoundVolume(&volume);
    if (up && volume < kLoudest) {
        app.put_Mute(VARIANT_FALSE);
        app.put_SoundVolume(std::clamp(volume + 5, 0L, kLoudest));
    } else if (!up && volume > 0) {
        app.put_SoundVolume(std::clamp(volume - 4, 0L, kLoudest));
    }
    Redraw(widget, true);
}

}  // namespace

extern "C" {

BOOL __stdcall OnMouseWheelForward(void* inst, WORD, int, int, int) {
    return ForInstance(inst, TRUE, [](WidgetInstance& widget) { StepVolume(widget, true); });
}

BOOL __stdcall OnMouseWheelBackward(void* inst, WORD, int, int, int) {
    return ForInstance(inst, TRUE, [](WidgetInstance& widget) { StepVolume(widget, false); });
}

}  // extern "C"
