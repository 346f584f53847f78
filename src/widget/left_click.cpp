// The left click: make sure there is a player, then the first skin element
// under the point acts.
#include "input/buttons.h"
#include "input/pane_clicks.h"
#include "widget/operations.h"
#include "widget/redraw.h"
#include "widget/skin_transitions.h"

namespace {

constexpr char kNoPlayerText[] =
    "You seem to have the wrong version of iTunes.\n"
    "You will at least need version 4.5 of iTunes.\n"
    "Please check Apple's website for an update.";

enum class Space { Widget, DisplayPane };
// A redraw after the act shows at once what it changed.
enum class After { Nothing, Redraw };

struct Element {
    PaneRect SkinModel::*rect;
    Space space;
    void (*act)(WidgetInstance& widget, POINT point);
    After after;
};

// The order decides which of overlapping elements takes the click.
const Element kElements[] = {
    {&SkinModel::stopButton, Space::Widget, [](WidgetInstance& w, POINT) { w.player.iTunesApp->Stop(); },
     After::Nothing},
    {&SkinModel::updateIPodButton, Space::Widget, [](WidgetInstance& w, POINT) { w.player.iTunesApp->UpdateIPod(); },
     After::Nothing},
    {&SkinModel::muteButton, Space::Widget, [](WidgetInstance& w, POINT) { ToggleMute(*w.player.iTunesApp.Get()); },
     After::Nothing},
    {&SkinModel::openButton, Space::Widget,
     [](WidgetInstance& w, POINT) { OpenAndAddFile(w.deskletWindow, w.moduleHandle, w.player); }, After::Nothing},
    {&SkinModel::quitButton, Space::Widget,
     [](WidgetInstance& w, POINT) {
         w.player.iTunesApp->Quit();
         w.player.iTunesApp.Reset();
     },
     After::Nothing},
    {&SkinModel::toggleITunesWindowButton, Space::Widget, [](WidgetInstance&, POINT) { ToggleITunesWindow(); },
     After::Nothing},
    {&SkinModel::pausePlayButton, Space::Widget, [](WidgetInstance& w, POINT) { w.player.iTunesApp->PlayPause(); },
     After::Redraw},
    {&SkinModel::nextButton, Space::Widget, [](WidgetInstance& w, POINT) { w.player.iTunesApp->NextTrack(); },
     After::Redraw},
    // Back to the start of the track first, as the player's own button does.
    {&SkinModel::previousButton, Space::Widget, [](WidgetInstance& w, POINT) { w.player.iTunesApp->BackTrack(); },
     After::Redraw},
    {&SkinModel::infoPane, Space::DisplayPane, [](WidgetInstance& w, POINT) { w.pollTick = NextInfoPhase(w.pollTick); },
     After::Redraw},
    {&SkinModel::counterPane, Space::DisplayPane,
     [](WidgetInstance& w, POINT) { w.settings.showTimePlayed = w.settings.showTimePlayed == 0 ? 1 : 0; },
     After::Redraw},
    {&SkinModel::progressBar, Space::DisplayPane,
     [](WidgetInstance& w, POINT point) { ClickProgressBar(*w.player.iTunesApp.Get(), *w.skin, point); },
     After::Redraw},
    {&SkinModel::ratingPane, Space::DisplayPane,
     [](WidgetInstance& w, POINT point) {
         ClickRatingPane(*w.player.iTunesApp.Get(), *w.skin, point, w.settings.use5Rating);
     },
     After::Redraw},
    {&SkinModel::soundPane, Space::DisplayPane,
     [](WidgetInstance& w, POINT point) { ClickSoundPane(*w.player.iTunesApp.Get(), *w.skin, point); }, After::Redraw},
};

bool Hits(const SkinModel& skin, const Element& element, POINT point) {
    const PaneRect& rect = skin.*element.rect;
    if (element.space == Space::Widget) return rect.Contains(point.x, point.y);
    // Exact wide arithmetic: the two offsets together may exceed int.
    const int64_t left = int64_t{skin.displayPane.left} + rect.left;
    const int64_t top = int64_t{skin.displayPane.top} + rect.top;
    return left < point.x && point.x < left + rect.width && top < point.y && point.y < top + rect.height;
}

}  // namespace

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
            if (element.after == After::Redraw) Redraw(widget, false);
            return;
        }
    }
    ClickHotSpot(widget, point);
}
