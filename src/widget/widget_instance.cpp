#include "widget/widget_instance.h"

WidgetInstance::WidgetInstance(HWND window, HINSTANCE module) : deskletWindow(window), moduleHandle(module) {}

// What was drawn goes first, then the addition and the player's object, then
// the widget's COM; only a widget that has let go of the player shows its
// window again. The skin and the texts go with the record.
WidgetInstance::~WidgetInstance() {
    panes = PaneCaches();
    skinCaches.reset();
    marquee.scrollImage.reset();
    player.pendingOperation.Reset();
    player.iTunesApp.Reset();
    com.reset();
    // The player must not stay hidden once the widget is gone.
    if (settings.autoHideITunes) ShowOrHidePlayerWindow(false);
}
