// The binary contract between the widget module and its host: the module's
// entry points and the host functions the module looks up by name. Both sides
// include this header; the module casts every GetProcAddress result with
// decltype of these declarations so the two can never drift.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <prsht.h>

namespace Gdiplus {
class Image;
}

extern "C" {

// Module entry points.
void* __stdcall OnCreate(HWND window, HINSTANCE module, const char* iniFile, const char* iniGroup);
int __stdcall OnDestroy(void* inst, HWND window);
BOOL __stdcall OnSave(void* inst, const char* iniFile, const char* iniGroup, BOOL isForExport);
int __stdcall OnGetInformation(char* name, char* author, int* version, char* description);
BOOL __stdcall OnProcessMessage(void* inst, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL __stdcall OnLeftButtonClick(void* inst, POINT* point, SIZE* size);
BOOL __stdcall OnRightButtonClick(void* inst, POINT* point, SIZE* size);
BOOL __stdcall OnMouseWheelForward(void* inst, WORD keys, int scrolls, int x, int y);
BOOL __stdcall OnMouseWheelBackward(void* inst, WORD keys, int scrolls, int x, int y);
BOOL __stdcall OnMouseMove(void* inst, int x, int y);
BOOL __stdcall OnMouseOn(void* inst);
BOOL __stdcall OnMouseOut(void* inst);
BOOL __stdcall OnDragEnter(void* inst, IDataObject* data, DWORD keys, POINTL point, DWORD* effect);
BOOL __stdcall OnDragLeave(void* inst);
BOOL __stdcall OnDrop(void* inst, IDataObject* data, DWORD keys, POINTL point, DWORD* effect);
int __stdcall OnAddPropertySheets(void* inst, int pagesPresent);

// Host functions the module calls.
BOOL __stdcall DeskletGetRelativeFolder(HWND window, char* folder);
Gdiplus::Image* __stdcall DeskletLoadGDIPlusImage(const char* path);
void __stdcall DeskletSetImageFile(HWND window, const char* path);
UINT __stdcall DeskletLayerGetLayer(HWND window, const char* name, BOOL* found);
UINT __stdcall DeskletLayerAdd(HWND window, const char* name);
void __stdcall DeskletLayerRemove(HWND window, UINT id, BOOL redraw);
void __stdcall DeskletLayerMoveBottom(HWND window, UINT id, BOOL redraw);
void __stdcall DeskletLayerMoveUp(HWND window, UINT id, BOOL redraw);
void __stdcall DeskletLayerSetPlacement(HWND window, UINT id, BOOL redraw, BOOL usePlacement,
                                        RECT* placement, int xScale, int yScale);
void __stdcall DeskletLayerSetImage(HWND window, UINT id, BOOL redraw, Gdiplus::Image* image,
                                    BOOL hostOwns);
void __stdcall DeskletLayerSetImageFile(HWND window, UINT id, BOOL redraw, const char* path);
void __stdcall DeskletLayerSetVisibility(HWND window, UINT id, BOOL redraw, BOOL visible);
void __stdcall DeskletGetPosition(HWND window, POINT* position);
void __stdcall DeskletGetSize(HWND window, SIZE* size);
void __stdcall DeskletMove(HWND window, RECT* screenRect, BOOL redraw);
void __stdcall DeskletHide(HWND window);
void __stdcall DeskletShow(HWND window);
void __stdcall DeskletActivateExtendedDragDrop(HWND window);
HMENU __stdcall DeskletGetDefaultMenu(HWND window, int startId);
void __stdcall DeskletDoDefaultMenuCommand(HWND window, int startId, int command);
int __stdcall DeskletAddPropertySheet(HWND window, HPROPSHEETPAGE page);

}  // extern "C"
