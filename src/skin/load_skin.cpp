#include "skin/load_skin.h"

#include "core/paths.h"
#include "platform/host_api.h"
#include "skin/skin_model.h"
#include "skin/widget_layers.h"

#include <utility>

namespace {

std::string SkinIniPath(HINSTANCE module, const std::string& skinDir) {
    return JoinPath({ModuleFolder(module), "skins", skinDir, "skin.ini"});
}

}  // namespace

SkinModelPtr LoadSkin(WidgetInstance& widget, const std::string& name, bool forAnimation) {
    HWND window = widget.deskletWindow;
    widget.settings.skinDir = CutToBuffer(name);
    const std::string& skinDir = widget.settings.skinDir;
    widget.skinChanged = true;
    // Read before anything is replaced, so a widget whose load fails keeps a
    // skin. The previous model goes back to the caller, who may still be
    // walking its hotspots and discards it when done.
    SkinModelPtr fresh = ReadSkinModel(SkinIniPath(widget.moduleHandle, skinDir));
    SkinCachesPtr freshCaches = NewSkinCaches(window, *fresh, skinDir);
    SkinModelPtr previous = std::exchange(widget.skin, std::move(fresh));
    widget.skinCaches = std::move(freshCaches);
    const SkinModel& skin = *widget.skin;

    widget.artworkTrackName.reset();
    widget.panes.rating.image.reset();
    widget.panes.sound.image.reset();
    widget.panes.soundKnobImage.reset();

    const HostFunctions& host = Host();
    const WidgetLayers layers(window, skin);
    for (const char* layer : {kAlbumArtLayer, kPauseLayer, kInfoLayer}) {
        bool present = false;
        const UINT id = layers.Find(layer, &present);
        if (present) CallIfPresent(host.DeskletLayerRemove, window, id, FALSE);
    }

    bool present = false;
    UINT id = layers.Find(kAlbumArtLayer, &present);
    if (skin.showAlbumArt) {
        if (!present) id = layers.AddAboveBase(kAlbumArtLayer);
        layers.Place(id, skin.albumArtPane);
    } else if (present) {
        CallIfPresent(host.DeskletLayerSetVisibility, window, id, FALSE, FALSE);
    }

    layers.ShowPause(skin.pausePlayButton, skinDir, widget.notPlaying && !forAnimation, true);

    layers.Place(layers.FindOrAdd(kInfoLayer), skin.displayPane);

    POINT position = {};
    CallIfPresent(host.DeskletGetPosition, window, &position);
    RECT bounds = PaneRect{position.x, position.y, skin.bgWidth, skin.bgHeight}.ToRect();
    CallIfPresent(host.DeskletMove, window, &bounds, FALSE);
    return previous;
}
