// The host functions, exported by the test program under their plain names.
#include "rig/rig.h"

#include <sstream>

namespace {

rig::RecordingHost& H() { return rig::RecordingHost::Get(); }

void Put(std::ostringstream&) {}
template <class First, class... Rest>
void Put(std::ostringstream& out, const First& first, const Rest&... rest) {
    out << first;
    if constexpr (sizeof...(rest) > 0) out << ", ";
    Put(out, rest...);
}

// A call without arguments makes no stream: the benchmarks time the module
// through these calls, and a stream costs more than the module's own call.
template <class... Args>
void Record(const char* name, const Args&... args) {
    if constexpr (sizeof...(args) == 0) {
        H().calls.push_back({name, {}});
    } else {
        std::ostringstream out;
        Put(out, args...);
        H().calls.push_back({name, out.str()});
    }
}

std::string Text(const char* text) { return text ? text : "(null)"; }

std::string RectText(const RECT* r) {
    if (!r) return "(null)";
    std::ostringstream out;
    out << r->left << " " << r->top << " " << r->right << " " << r->bottom;
    return out.str();
}

void CountRedraw(HWND window, BOOL redraw) {
    if (redraw) ++H().Widget(window).hostRedraws;
}

}  // namespace

extern "C" {

BOOL __stdcall DeskletGetRelativeFolder(HWND window, char* folder) {
    Record("DeskletGetRelativeFolder");
    if (!folder) return FALSE;
    lstrcpynA(folder, H().relativeFolder.c_str(), MAX_PATH);
    return TRUE;
}

Gdiplus::Image* __stdcall DeskletLoadGDIPlusImage(const char* path) {
    Record("DeskletLoadGDIPlusImage", Text(path));
    return path ? host::LoadImageFromFile(path).release() : nullptr;
}

void __stdcall DeskletSetImageFile(HWND window, const char* path) {
    Record("DeskletSetImageFile", Text(path));
    H().Widget(window).layers.SetBaseImageFile(Text(path));
}

UINT __stdcall DeskletLayerGetLayer(HWND window, const char* name, BOOL* found) {
    bool exists = false;
    const UINT id = H().Widget(window).layers.Find(Text(name), &exists);
    if (found) *found = exists;
    Record("DeskletLayerGetLayer", Text(name), id, exists);
    return id;
}

UINT __stdcall DeskletLayerAdd(HWND window, const char* name) {
    const UINT id = H().Widget(window).layers.Add(Text(name));
    Record("DeskletLayerAdd", Text(name), id);
    return id;
}

void __stdcall DeskletLayerRemove(HWND window, UINT id, BOOL redraw) {
    Record("DeskletLayerRemove", id, redraw);
    H().Widget(window).layers.Remove(id);
    CountRedraw(window, redraw);
}

void __stdcall DeskletLayerMoveBottom(HWND window, UINT id, BOOL redraw) {
    Record("DeskletLayerMoveBottom", id, redraw);
    H().Widget(window).layers.MoveBottom(id);
    CountRedraw(window, redraw);
}

void __stdcall DeskletLayerMoveUp(HWND window, UINT id, BOOL redraw) {
    Record("DeskletLayerMoveUp", id, redraw);
    H().Widget(window).layers.MoveUp(id);
    CountRedraw(window, redraw);
}

void __stdcall DeskletLayerSetPlacement(HWND window, UINT id, BOOL redraw, BOOL usePlacement, RECT* placement,
                                        int xScale, int yScale) {
    Record("DeskletLayerSetPlacement", id, redraw, usePlacement, RectText(placement), xScale, yScale);
    if (placement) H().Widget(window).layers.SetPlacement(id, usePlacement, *placement, xScale, yScale);
    CountRedraw(window, redraw);
}

void __stdcall DeskletLayerSetImage(HWND window, UINT id, BOOL redraw, Gdiplus::Image* image, BOOL hostOwns) {
    std::ostringstream size;
    if (image) size << image->GetWidth() << "x" << image->GetHeight();
    Record("DeskletLayerSetImage", id, redraw, image ? size.str() : "(null)", hostOwns);
    // Every image the module hands over is the host's to delete.
    H().Widget(window).layers.SetImage(id, image);
    CountRedraw(window, redraw);
}

void __stdcall DeskletLayerSetImageFile(HWND window, UINT id, BOOL redraw, const char* path) {
    Record("DeskletLayerSetImageFile", id, redraw, Text(path));
    H().Widget(window).layers.SetImageFile(id, Text(path));
    CountRedraw(window, redraw);
}

void __stdcall DeskletLayerSetVisibility(HWND window, UINT id, BOOL redraw, BOOL visible) {
    Record("DeskletLayerSetVisibility", id, redraw, visible);
    H().Widget(window).layers.SetVisibility(id, visible != FALSE);
    CountRedraw(window, redraw);
}

void __stdcall DeskletGetPosition(HWND window, POINT* position) {
    Record("DeskletGetPosition");
    if (position) *position = H().Widget(window).position;
}

void __stdcall DeskletGetSize(HWND window, SIZE* size) {
    Record("DeskletGetSize");
    if (size) *size = H().Widget(window).size;
}

void __stdcall DeskletMove(HWND window, RECT* screenRect, BOOL redraw) {
    Record("DeskletMove", RectText(screenRect), redraw);
    if (!screenRect) return;
    rig::HostWidget& widget = H().Widget(window);
    widget.position = {screenRect->left, screenRect->top};
    widget.size = {screenRect->right - screenRect->left, screenRect->bottom - screenRect->top};
    CountRedraw(window, redraw);
}

void __stdcall DeskletHide(HWND window) {
    Record("DeskletHide");
    H().Widget(window).visible = false;
}

void __stdcall DeskletShow(HWND window) {
    Record("DeskletShow");
    H().Widget(window).visible = true;
}

void __stdcall DeskletActivateExtendedDragDrop(HWND window) {
    Record("DeskletActivateExtendedDragDrop");
    H().Widget(window).extendedDragDrop = true;
}

HMENU __stdcall DeskletGetDefaultMenu(HWND window, int startId) {
    Record("DeskletGetDefaultMenu", startId);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, startId, "Properties...");
    AppendMenuA(menu, MF_STRING, startId + 1, "Remove widget");
    AppendMenuA(menu, MF_STRING, startId + 2, "Exit");
    return menu;
}

void __stdcall DeskletDoDefaultMenuCommand(HWND window, int startId, int command) {
    Record("DeskletDoDefaultMenuCommand", startId, command);
    H().lastMenuCommand = command;
}

int __stdcall DeskletAddPropertySheet(HWND window, HPROPSHEETPAGE page) {
    Record("DeskletAddPropertySheet");
    auto& pages = H().Widget(window).pages;
    pages.push_back(page);
    return static_cast<int>(pages.size());
}

}  // extern "C"
