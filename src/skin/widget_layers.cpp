#include "skin/widget_layers.h"

#include "platform/host_api.h"
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

void WidgetLayers::Place(UINT id, const PaneRect& rect) const {
    RECT placement = rect.ToRect();
    CallIfPresent(Host().DeskletLayerSetPlacement, window_, id, FALSE, TRUE, &placement, reference_.cx, reference_.cy);
}
