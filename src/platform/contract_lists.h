// The two sides of the host contract, each one list of X(name, result,
// parameters). Free of includes, so that the export files of the module, of
// quillhost and of the test host are made from it by the preprocessor alone.
#pragma once

#define QB_MODULE_ENTRY_POINTS(X)                                                                  \
    X(OnCreate, void*, (HWND window, HINSTANCE module, const char* iniFile, const char* iniGroup)) \
    X(OnDestroy, int, (void* inst, HWND window))                                                   \
    X(OnSave, BOOL, (void* inst, const char* iniFile, const char* iniGroup, BOOL isForExport))     \
    X(OnGetInformation, int, (char* name, char* author, int* version, char* description))          \
    X(OnProcessMessage, BOOL, (void* inst, HWND window, UINT msg, WPARAM wParam, LPARAM lParam))   \
    X(OnLeftButtonClick, BOOL, (void* inst, POINT* point, SIZE* size))                             \
    X(OnRightButtonClick, BOOL, (void* inst, POINT* point, SIZE* size))                            \
    X(OnMouseWheelForward, BOOL, (void* inst, WORD keys, int scrolls, int x, int y))               \
    X(OnMouseWheelBackward, BOOL, (void* inst, WORD keys, int scrolls, int x, int y))              \
    X(OnMouseMove, BOOL, (void* inst, int x, int y))                                               \
    X(OnMouseOn, BOOL, (void* inst))                                                               \
    X(OnMouseOut, BOOL, (void* inst))                                                              \
    X(OnDragEnter, BOOL, (void* inst, IDataObject* data, DWORD keys, POINTL point, DWORD* effect)) \
    X(OnDragLeave, BOOL, (void* inst))                                                             \
    X(OnDrop, BOOL, (void* inst, IDataObject* data, DWORD keys, POINTL point, DWORD* effect))      \
    X(OnAddPropertySheets, int, (void* inst, int pagesPresent))

#define QB_HOST_FUNCTIONS(X)                                                                                  \
    X(DeskletGetRelativeFolder, BOOL, (HWND window, char* folder))                                            \
    X(DeskletLoadGDIPlusImage, Gdiplus::Image*, (const char* path))                                           \
    X(DeskletSetImageFile, void, (HWND window, const char* path))                                             \
    X(DeskletLayerGetLayer, UINT, (HWND window, const char* name, BOOL* found))                               \
    X(DeskletLayerAdd, UINT, (HWND window, const char* name))                                                 \
    X(DeskletLayerRemove, void, (HWND window, UINT id, BOOL redraw))                                          \
    X(DeskletLayerMoveBottom, void, (HWND window, UINT id, BOOL redraw))                                      \
    X(DeskletLayerMoveUp, void, (HWND window, UINT id, BOOL redraw))                                          \
    X(DeskletLayerSetPlacement, void,                                                                         \
      (HWND window, UINT id, BOOL redraw, BOOL usePlacement, RECT * placement, int xScale, int yScale))       \
    X(DeskletLayerSetImage, void, (HWND window, UINT id, BOOL redraw, Gdiplus::Image * image, BOOL hostOwns)) \
    X(DeskletLayerSetImageFile, void, (HWND window, UINT id, BOOL redraw, const char* path))                  \
    X(DeskletLayerSetVisibility, void, (HWND window, UINT id, BOOL redraw, BOOL visible))                     \
    X(DeskletGetPosition, void, (HWND window, POINT * position))                                              \
    X(DeskletGetSize, void, (HWND window, SIZE * size))                                                       \
    X(DeskletMove, void, (HWND window, RECT * screenRect, BOOL redraw))                                       \
    X(DeskletHide, void, (HWND window))                                                                       \
    X(DeskletShow, void, (HWND window))                                                                       \
    X(DeskletActivateExtendedDragDrop, void, (HWND window))                                                   \
    X(DeskletGetDefaultMenu, HMENU, (HWND window, int startId))                                               \
    X(DeskletDoDefaultMenuCommand, void, (HWND window, int startId, int command))                             \
    X(DeskletAddPropertySheet, int, (HWND window, HPROPSHEETPAGE page))
