#include "widget/load_skin.h"

#include "core/paths.h"
#include "skin/install_skin.h"
#include "widget/redraw.h"

#include <utility>

SkinModelPtr LoadSkin(WidgetInstance& widget, const std::string& name, bool forAnimation) {
    widget.settings.skinDir = CutToBuffer(name);
    const std::string& skinDir = widget.settings.skinDir;
    widget.skinChanged = true;
    // Read before anything is replaced, so a widget whose load fails keeps a
    // skin. The previous model goes back to the caller, who may still be
    // walking its hotspots and discards it when done.
    SkinModelPtr fresh = ReadModuleSkin(widget.moduleHandle, skinDir);
    std::unique_ptr<SkinCaches> freshCaches = NewSkinCaches(widget.deskletWindow, *fresh, skinDir);
    SkinModelPtr previous = std::exchange(widget.skin, std::move(fresh));
    widget.skinCaches = std::move(freshCaches);

    widget.artworkTrackName.reset();
    widget.panes.rating.image.reset();
    widget.panes.sound.image.reset();
    widget.panes.soundKnobImage.reset();

    InstallSkin(widget.deskletWindow, *widget.skin, skinDir, widget.notPlaying && !forAnimation);
    return previous;
}

SkinModelPtr LoadSkinAndRedraw(WidgetInstance& widget, const std::string& name) {
    SkinModelPtr previous = LoadSkin(widget, name, false);
    Redraw(widget, true);
    return previous;
}
