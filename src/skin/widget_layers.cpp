#include "skin/widget_layers.h"

#include "platform/host_api.h"
#include "skin/skin_images.h"
#include "skin/skin_model.h"

WidgetLayers::WidgetLayers(HWND window, const SkinModel& skin)
    : window_(window), reference_{skin.bgWidth, skin.bgHeight} {}

UINT WidgetLayers::Find(const char* name, bool* present) const {
    BOOL found = FALSE;
    const UINT id = CallIfPresent(Host().DeskletLayerGetLayer, window_, name, &found);
    if (present) *present = found != FALSE;
    return id;
}

UINT WidgetLayers::FindOrAdd(const char* name, bool* added) const {
    bool present = false;
    const UINT id = Find(name, &present);
    if (added) *added = !present;
    return present ? id : CallIfPresent(Host().DeskletLayerAdd, window_, name);
}

UINT WidgetLayers::Ensure(const char* name, const PaneRect& rect) const {
    bool added = false;
    const UINT id = FindOrAdd(name, &added);
    if (added) Place(id, rect);
    return id;
}

// Restacking renumbers the layers: the layer is looked up after each move.
UINT WidgetLayers::AddAboveBase(const char* name) const {
    const HostFunctions& host = Host();
    const UINT id = CallIfPresent(host.DeskletLayerAdd, window_, name);
    if (id <= 1) return id;
    CallIfPresent(host.DeskletLayerMoveBottom, window_, id, FALSE);
    CallIfPresent(host.DeskletLayerMoveUp, window_, Find(name), FALSE);
    return Find(name);
}

void WidgetLayers::ShowPause(const PaneRect& button, const std::string& skinDir, bool visible, bool install) const {
    const HostFunctions& host = Host();
    bool added = false;
    const UINT id = FindOrAdd(kPauseLayer, &added);
    install = install || added;
    if (install) Place(id, button);
    CallIfPresent(host.DeskletLayerSetVisibility, window_, id, FALSE, BOOL(visible));
    if (!install) return;
    const std::string path = SkinImages(window_, skinDir).Path("pause.png");
    if (!path.empty()) CallIfPresent(host.DeskletLayerSetImageFile, window_, id, FALSE, path.c_str());
}

void WidgetLayers::Place(UINT id, const PaneRect& rect) const {
    RECT placement = rect.ToRect();
    CallIfPresent(Host().DeskletLayerSetPlacement, window_, id, FALSE, TRUE, &placement, reference_.cx, reference_.cy);
}
