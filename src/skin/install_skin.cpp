#include "skin/install_skin.h"

#include "core/paths.h"
#include "platform/host_api.h"
#include "skin/widget_layers.h"

SkinModelPtr ReadModuleSkin(HINSTANCE module, const std::string& skinDir) {
    return ReadSkinModel(JoinPath({ModuleFolder(module), "skins", skinDir, "skin.ini"}));
}

void InstallSkin(HWND window, const SkinModel& skin, const std::string& skinDir, bool pauseVisible) {
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

    layers.ShowPause(skin.pausePlayButton, skinDir, pauseVisible, true);

    layers.Place(layers.FindOrAdd(kInfoLayer), skin.displayPane);

    POINT position = {};
    CallIfPresent(host.DeskletGetPosition, window, &position);
    RECT bounds = PaneRect{position.x, position.y, skin.bgWidth, skin.bgHeight}.ToRect();
    CallIfPresent(host.DeskletMove, window, &bounds, FALSE);
}
