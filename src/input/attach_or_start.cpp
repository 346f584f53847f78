// Making sure the widget holds a player object before a click acts.
#include "core/widget_instance.h"
#include "skin/skin_model.h"

void WidgetInstance::AttachOrStart() {
    player.ProbeOrAttach();
    // Only a click that had to start the player applies the hide setting to
    // the window it has just opened.
    if (!player.Attached() && StartPlayer()) ApplyAutoHideITunes(autoHideITunes);
}
