#include "sim/face_controls.h"

namespace sim {

HWND FaceControl(HWND parent, const wchar_t* windowClass, DWORD style, WORD id, const wchar_t* text,
                 DWORD extendedStyle) {
    HWND control = CreateWindowExW(extendedStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

}  // namespace sim
