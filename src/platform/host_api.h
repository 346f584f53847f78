// The host's "Desklet" functions, resolved by name when the module loads.
// Every call goes through CallIfPresent: a function the host lacks does
// nothing and yields 0.
#pragma once

#include "platform/call_if_present.h"
#include "platform/host_contract.h"

struct HostApi {
    decltype(&DeskletGetRelativeFolder) getRelativeFolder = nullptr;
    decltype(&DeskletLoadGDIPlusImage) loadGDIPlusImage = nullptr;
    decltype(&DeskletSetImageFile) setImageFile = nullptr;
    decltype(&DeskletLayerGetLayer) layerGetLayer = nullptr;
    decltype(&DeskletLayerAdd) layerAdd = nullptr;
    decltype(&DeskletLayerRemove) layerRemove = nullptr;
    decltype(&DeskletLayerMoveBottom) layerMoveBottom = nullptr;
    decltype(&DeskletLayerMoveUp) layerMoveUp = nullptr;
    decltype(&DeskletLayerSetPlacement) layerSetPlacement = nullptr;
    decltype(&DeskletLayerSetImage) layerSetImage = nullptr;
    decltype(&DeskletLayerSetImageFile) layerSetImageFile = nullptr;
    decltype(&DeskletLayerSetVisibility) layerSetVisibility = nullptr;
    decltype(&DeskletGetPosition) getPosition = nullptr;
    decltype(&DeskletGetSize) getSize = nullptr;
    decltype(&DeskletMove) move = nullptr;
    decltype(&DeskletHide) hide = nullptr;
    decltype(&DeskletShow) show = nullptr;
    decltype(&DeskletActivateExtendedDragDrop) activateExtendedDragDrop = nullptr;
    decltype(&DeskletGetDefaultMenu) getDefaultMenu = nullptr;
    decltype(&DeskletDoDefaultMenuCommand) doDefaultMenuCommand = nullptr;
    decltype(&DeskletAddPropertySheet) addPropertySheet = nullptr;
    // Resolved for hosts that offer them; the module never calls these.
    FARPROC unused[38] = {};
};

// The table, filled before any entry point can run.
const HostApi& Host();
