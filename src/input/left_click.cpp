// The left click: make sure there is a player, then the first skin element
// under the point acts.
#include "core/widget_instance.h"
#include "input/buttons.h"
#include "input/hotspots.h"
#include "input/pane_clicks.h"
#include "render/redraw.h"
#include "skin/skin_model.h"

namespace {

constexpr char kNoPlayerText[] =
    "You seem to have the wrong version of iTunes.\n"
    "You will at least need version 4.5 of iTunes.\n"
    "Please check Apple's website for an update.";

enum class Space { Widget, DisplayPane };

struct Element {
    PaneRect SkinModel::*rect;
    Space space;
    void (*act)(WidgetInstance& widget, POINT point);
};

// The order decides which of overlapping elements takes the click.
const Element kElements[] = {
    {&SkinModel::stopButton, Space::Widget, [](WidgetInstance& w, POINT) { w.player.iTunesApp->Stop(); }},
    {&SkinModel::updateIPodButton, Space::Widget, [](WidgetInstance& w, POINT) { w.player.iTunesApp->UpdateIPod(); }},
    {&SkinModel::muteButton, Space::Widget, [](WidgetInstance& w, POINT) { ToggleMute(*w.player.iTunesApp.Get()); }},
    {&SkinModel::openButton, Space::Widget, [](WidgetInstance& w, POINT) { OpenAndAddFile(w); }},
    {&SkinModel::quitButton, Space::Widget,
     [](WidgetInstance& w, POINT) {
         w.player.iTunesApp->Quit();
         w.player.iTunesApp.Reset();
     }},
    {&SkinModel::toggleITunesWindowButton, Space::Widget, [](WidgetInstance&, POINT) { ToggleITunesWindow(); }},
    {&SkinModel::pausePlayButton, Space::Widget,
     [](WidgetInstance& w, POINT) {
         w.player.iTunesApp->PlayPause();
         Redraw(w, false);
     }},
    {&SkinModel::nextButton, Space::Widget,
     [](WidgetInstance& w, POINT) {
         w.player.iTunesApp->NextTrack();
         Redraw(w, false);
     }},
    {&SkinModel::previousButton, Space::Widget,
     [](WidgetInstance& w, POINT) {
         // Back to the start of the track first, as the player's own button does.
         w.player.iTunesApp->BackTrack();
         Redraw(w, false);
     }},
    {&SkinModel::infoPane, Space::DisplayPane, [](WidgetInstance& w, POINT) { ClickInfoPane(w); }},
    {&SkinModel::counterPane, Space::DisplayPane, [](WidgetInstance& w, POINT) { ClickCounterPane(w); }},
    {&SkinModel::progressBar, Space::DisplayPane, ClickProgressBar},
    {&SkinModel::ratingPane, Space::DisplayPane, ClickRatingPane},
    {&SkinModel::soundPane, Space::DisplayPane, ClickSoundPane},
};

bool Hits(const SkinModel& skin, const Element& element, POINT point) {
    const PaneRect& rect = skin.*element.rect;
    if (element.space == Space::Widget) return rect.Contains(point.x, point.y);
    // Exact wide arithmetic: the two offsets together may exceed int.
    const int64_t left = int64_t{skin.displayPane.left} + rect.left;
    const int64_t top = int64_t{skin.displayPane.top} + rect.top;
    return left < point.x && point.x < left + rect.width && top < point.y && point.y < top + rect.height;
}

void LeftButtonClick(WidgetInstance& widget, POINT point) {
    widget.player.AttachOrStart(kClickRequest, widget.deskletWindow, widget.settings.autoHideITunes != 0);
    if (!widget.player.iTunesApp) {
        MessageBoxA(nullptr, kNoPlayerText, "Quillbracket", MB_OK | MB_ICONERROR);
        return;
    }
    if (!widget.skin) return;
    for (const Element& element : kElements) {
        if (Hits(*widget.skin, element, point)) {
            element.act(widget, point);
            return;
        }
    }
    ClickHotSpot(widget, point);
}

}  // namespace

extern "C" BOOL __stdcall OnLeftButtonClick(void* inst, POINT* point, SIZE*) {
    if (!point) return TRUE;
    const POINT at = *point;
    return ForInstance(inst, TRUE, [at](WidgetInstance& widget) { LeftButtonClick(widget, at); });
}
