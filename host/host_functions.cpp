// The host functions the module finds by name in the host executable. Each
// finds the widget behind the window handle and does nothing for a window
// that is not one of ours.
#include "host/widget_window.h"
#include "platform/host_contract.h"

#include <cstring>

using host::HideReason;
using host::WidgetWindow;

namespace {

void PresentIf(WidgetWindow* widget, BOOL redraw) {
    if (widget && redraw) widget->RequestPresent();
}

}  // namespace

extern "C" {

BOOL __stdcall DeskletGetRelativeFolder(HWND window, char* folder) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (!widget || !folder) return FALSE;
    const std::string& path = widget->module().folder();
    if (path.size() >= MAX_PATH) return FALSE;
    memcpy(folder, path.c_str(), path.size() + 1);
    return TRUE;
}

Gdiplus::Image* __stdcall DeskletLoadGDIPlusImage(const char* path) {
    return path ? host::LoadImageFromFile(path).release() : nullptr;
}

void __stdcall DeskletSetImageFile(HWND window, const char* path) {
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window)) {
        widget->layers().SetBaseImageFile(path ? path : "");
        widget->RequestPresent();
    }
}

UINT __stdcall DeskletLayerGetLayer(HWND window, const char* name, BOOL* found) {
    bool exists = false;
    UINT id = 0;
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window); widget && name)
        id = widget->layers().Find(name, &exists);
    if (found) *found = exists ? TRUE : FALSE;
    return id;
}

UINT __stdcall DeskletLayerAdd(HWND window, const char* name) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    return widget ? widget->layers().Add(name ? name : "") : 0;
}

void __stdcall DeskletLayerRemove(HWND window, UINT id, BOOL redraw) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget) widget->layers().Remove(id);
    PresentIf(widget, redraw);
}

void __stdcall DeskletLayerMoveBottom(HWND window, UINT id, BOOL redraw) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget) widget->layers().MoveBottom(id);
    PresentIf(widget, redraw);
}

void __stdcall DeskletLayerMoveUp(HWND window, UINT id, BOOL redraw) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget) widget->layers().MoveUp(id);
    PresentIf(widget, redraw);
}

void __stdcall DeskletLayerSetPlacement(HWND window, UINT id, BOOL redraw, BOOL usePlacement, RECT* placement,
                                        int xScale, int yScale) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (!widget) return;
    const RECT none = {};
    widget->layers().SetPlacement(id, usePlacement && placement, placement ? *placement : none, xScale, yScale);
    PresentIf(widget, redraw);
}

void __stdcall DeskletLayerSetImage(HWND window, UINT id, BOOL redraw, Gdiplus::Image* image, BOOL hostOwns) {
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window))
        widget->SetLayerImage(id, image, hostOwns != FALSE, redraw != FALSE);
    else if (hostOwns)
        delete image;  // handed over all the same
}

void __stdcall DeskletLayerSetImageFile(HWND window, UINT id, BOOL redraw, const char* path) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget) widget->layers().SetImageFile(id, path ? path : "");
    PresentIf(widget, redraw);
}

void __stdcall DeskletLayerSetVisibility(HWND window, UINT id, BOOL redraw, BOOL visible) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget) widget->layers().SetVisibility(id, visible != FALSE);
    PresentIf(widget, redraw);
}

void __stdcall DeskletGetPosition(HWND window, POINT* position) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget && position) *position = widget->Position();
}

void __stdcall DeskletGetSize(HWND window, SIZE* size) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget && size) *size = widget->Size();
}

void __stdcall DeskletMove(HWND window, RECT* screenRect, BOOL redraw) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    if (widget && screenRect) widget->Move(*screenRect, redraw != FALSE);
}

void __stdcall DeskletHide(HWND window) {
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window)) widget->SetHidden(HideReason::Module, true);
}

void __stdcall DeskletShow(HWND window) {
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window)) widget->SetHidden(HideReason::Module, false);
}

void __stdcall DeskletActivateExtendedDragDrop(HWND window) {
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window)) widget->ActivateDragDrop();
}

HMENU __stdcall DeskletGetDefaultMenu(HWND window, int startId) {
    WidgetWindow* widget = WidgetWindow::FromHandle(window);
    return widget ? widget->DefaultMenu(startId) : nullptr;
}

void __stdcall DeskletDoDefaultMenuCommand(HWND window, int startId, int command) {
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window)) widget->DoDefaultMenuCommand(startId, command);
}

int __stdcall DeskletAddPropertySheet(HWND window, HPROPSHEETPAGE page) {
    if (WidgetWindow* widget = WidgetWindow::FromHandle(window)) return widget->AddPropertyPage(page);
    if (page) DestroyPropertySheetPage(page);
    return 0;
}

}  // extern "C"
