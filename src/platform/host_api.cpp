#include "platform/host_api.h"

namespace {

const char* const kUnusedNames[] = {
    "DeskletIsVisible", "DeskletGetRect", "DeskletGetLabel", "DeskletSetLabel",
    "DeskletSetImage", "DeskletSetImageOverlay", "DeskletSetImageOverlayFile",
    "DeskletBrowseForImage", "DeskletDoAttentionAnimation", "DeskletGetRootFolder",
    "DeskletDefaultConfigDialog", "DeskletRemove", "DeskletSetPosition", "DeskletSetSize",
    "DeskletSetAlpha", "DeskletSetRotation", "DeskletGetAlpha", "DeskletGetRotation",
    "DeskletLoad", "DeskletGetParentOK", "DeskletManager", "DeskletSetStatic",
    "DeskletDeactivateExtendedDragDrop", "DeskletLayerCount", "DeskletLayerMergeAll",
    "DeskletLayerMergeVisible", "DeskletLayerMoveDown", "DeskletLayerMoveTop",
    "DeskletLayerReset", "DeskletLayerSetAlpha", "DeskletLayerSetColorMatrix",
    "DeskletLayerSetHue", "DeskletLayerSetRotation", "DeskletLayerSetSaturation",
    "DeskletAddDragDropFormat", "DeskletRemoveDragDropFormat", "DeskletLayerSetIconState",
    "DeskletSetSubLabel",
};
static_assert(sizeof(kUnusedNames) / sizeof(kUnusedNames[0]) == sizeof(HostApi::unused) / sizeof(FARPROC));

template <class Function>
void Resolve(HMODULE host, Function& slot, const char* name) {
    slot = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(host, name)));
}

HostApi ResolveHostApi() {
    HostApi api;
    HMODULE host = GetModuleHandleA(nullptr);
    Resolve(host, api.getRelativeFolder, "DeskletGetRelativeFolder");
    Resolve(host, api.loadGDIPlusImage, "DeskletLoadGDIPlusImage");
    Resolve(host, api.setImageFile, "DeskletSetImageFile");
    Resolve(host, api.layerGetLayer, "DeskletLayerGetLayer");
    Resolve(host, api.layerAdd, "DeskletLayerAdd");
    Resolve(host, api.layerRemove, "DeskletLayerRemove");
    Resolve(host, api.layerMoveBottom, "DeskletLayerMoveBottom");
    Resolve(host, api.layerMoveUp, "DeskletLayerMoveUp");
    Resolve(host, api.layerSetPlacement, "DeskletLayerSetPlacement");
    Resolve(host, api.layerSetImage, "DeskletLayerSetImage");
    Resolve(host, api.layerSetImageFile, "DeskletLayerSetImageFile");
    Resolve(host, api.layerSetVisibility, "DeskletLayerSetVisibility");
    Resolve(host, api.getPosition, "DeskletGetPosition");
    Resolve(host, api.getSize, "DeskletGetSize");
    Resolve(host, api.move, "DeskletMove");
    Resolve(host, api.hide, "DeskletHide");
    Resolve(host, api.show, "DeskletShow");
    Resolve(host, api.activateExtendedDragDrop, "DeskletActivateExtendedDragDrop");
    Resolve(host, api.getDefaultMenu, "DeskletGetDefaultMenu");
    Resolve(host, api.doDefaultMenuCommand, "DeskletDoDefaultMenuCommand");
    Resolve(host, api.addPropertySheet, "DeskletAddPropertySheet");
    for (size_t i = 0; i < sizeof(kUnusedNames) / sizeof(kUnusedNames[0]); ++i)
        api.unused[i] = GetProcAddress(host, kUnusedNames[i]);
    return api;
}

// Static initialisation runs when the host loads the module, before any entry point.
const HostApi g_hostApi = ResolveHostApi();

}  // namespace

const HostApi& Host() { return g_hostApi; }
