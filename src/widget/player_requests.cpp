// Requests of the user's that go to the player: the menu's playlists, the
// wheel's volume, dropped files.
#include "input/context_menu.h"
#include "input/wheel.h"
#include "ui/drop.h"
#include "widget/operations.h"
#include "widget/redraw.h"

void RightButtonClick(WidgetInstance& widget) {
    widget.player.AttachOrStart(kClickRequest, widget.deskletWindow, widget.settings.autoHideITunes != 0);
    ShowContextMenu(widget.deskletWindow, widget.player.iTunesApp.Get());
}

void TurnWheel(WidgetInstance& widget, bool forward) {
    if (!widget.player.iTunesApp) return;
    StepVolume(*widget.player.iTunesApp.Get(), forward);
    Redraw(widget, true);
}

void DropFiles(WidgetInstance& widget, IDataObject& data) {
    if (!OffersFiles(data)) return;
    // A drop is a request to the player: start it if need be.
    widget.player.AttachOrStart(kDropRequest, widget.deskletWindow, widget.settings.autoHideITunes != 0);
    AddDroppedFiles(data, widget.player, widget.artworkTrackName);
}
