// Installing a skin on the widget: model, caches, the three layers, size.
#include "core/paths.h"
#include "core/widget_instance.h"
#include "platform/host_api.h"
#include "skin/skin_model.h"
#include "skin/widget_layers.h"

#include <utility>

std::string WidgetInstance::SkinIniPath() const {
    return JoinPath({ModuleFolder(moduleHandle), "skins", skinDir, "skin.ini"});
}

SkinModelPtr WidgetInstance::LoadSkin(const std::string& name, bool forAnimation) {
    skinDir = CutToBuffer(name);
    skinChanged = true;
    // Read before anything is replaced, so a widget whose load fails keeps a
    // skin. The previous model goes back to the caller, who may still be
    // walking its hotspots and discards it when done.
    SkinModelPtr fresh = ReadSkinModel(SkinIniPath());
    SkinCachesPtr freshCaches = NewSkinCaches(deskletWindow, *fresh, skinDir);
    SkinModelPtr previous = std::exchange(skin, std::move(fresh));
    skinCaches = std::move(freshCaches);

    artworkTrackName.reset();
    panes.rating.image.reset();
    panes.sound.image.reset();
    panes.soundKnobImage.reset();

    const HostFunctions& host = Host();
    const WidgetLayers layers(deskletWindow, *skin);
    for (const char* layer : {kAlbumArtLayer, kPauseLayer, kInfoLayer}) {
        bool present = false;
        const UINT id = layers.Find(layer, &present);
        if (present) CallIfPresent(host.DeskletLayerRemove, deskletWindow, id, FALSE);
    }

    bool present = false;
    UINT id = layers.Find(kAlbumArtLayer, &present);
    if (skin->showAlbumArt) {
        if (!present) id = layers.AddAboveBase(kAlbumArtLayer);
        layers.Place(id, skin->albumArtPane);
    } else if (present) {
        CallIfPresent(host.DeskletLayerSetVisibility, deskletWindow, id, FALSE, FALSE);
    }

    layers.ShowPause(skin->pausePlayButton, skinDir, notPlaying && !forAnimation, true);

    layers.Place(layers.FindOrAdd(kInfoLayer), skin->displayPane);

    POINT position = {};
    CallIfPresent(host.DeskletGetPosition, deskletWindow, &position);
    RECT bounds = PaneRect{position.x, position.y, skin->bgWidth, skin->bgHeight}.ToRect();
    CallIfPresent(host.DeskletMove, deskletWindow, &bounds, FALSE);

    if (!forAnimation) Redraw(true);
    return previous;
}
