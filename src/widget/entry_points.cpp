// The module's sixteen entry points, the whole of what the host calls, as
// the contract declares them (a definition that drifts does not compile).
// Each is a shell: it forwards to the operation named after it, guarded, and
// a per-widget one does nothing without an instance.
#include "platform/host_contract.h"
#include "widget/operations.h"

extern "C" {

void* __stdcall OnCreate(HWND window, HINSTANCE module, const char* iniFile, const char* iniGroup) {
    return Guarded<void*>(nullptr, [&] { return CreateWidget(window, module, iniFile, iniGroup).release(); });
}

int __stdcall OnDestroy(void* inst, HWND window) {
    return Guarded(0, [&] {
        DestroyWidget(window, std::unique_ptr<WidgetInstance>(static_cast<WidgetInstance*>(inst)));
        return 0;
    });
}

BOOL __stdcall OnSave(void* inst, const char* iniFile, const char* iniGroup, BOOL) {
    return Guarded<BOOL>(FALSE, [&] {
        auto* instance = static_cast<WidgetInstance*>(inst);
        return instance ? instance->settings.Write(iniFile, iniGroup) : FALSE;
    });
}

int __stdcall OnGetInformation(char* name, char* author, int* version, char* description) {
    return Guarded(0, [&] { return DescribeModule(name, author, version, description); });
}

BOOL __stdcall OnProcessMessage(void* inst, HWND, UINT msg, WPARAM wParam, LPARAM) {
    return ForInstance(inst, FALSE, [&](WidgetInstance& widget) { ProcessMessage(widget, msg, wParam); });
}

BOOL __stdcall OnLeftButtonClick(void* inst, POINT* point, SIZE*) {
    if (!point) return TRUE;
    const POINT at = *point;
    return ForInstance(inst, TRUE, [at](WidgetInstance& widget) { LeftButtonClick(widget, at); });
}

BOOL __stdcall OnRightButtonClick(void* inst, POINT*, SIZE*) { return ForInstance(inst, TRUE, RightButtonClick); }

BOOL __stdcall OnMouseWheelForward(void* inst, WORD, int, int, int) {
    return ForInstance(inst, TRUE, [](WidgetInstance& widget) { TurnWheel(widget, true); });
}

BOOL __stdcall OnMouseWheelBackward(void* inst, WORD, int, int, int) {
    return ForInstance(inst, TRUE, [](WidgetInstance& widget) { TurnWheel(widget, false); });
}

BOOL __stdcall OnMouseMove(void* inst, int x, int y) {
    return ForInstance(inst, TRUE, [x, y](WidgetInstance& widget) { MouseMove(widget, x, y); });
}

BOOL __stdcall OnMouseOn(void* inst) { return ForInstance(inst, TRUE, MouseOn); }

BOOL __stdcall OnMouseOut(void* inst) { return ForInstance(inst, TRUE, MouseOut); }

// Nothing to do until the drop lands, where the data is looked at.
BOOL __stdcall OnDragEnter(void*, IDataObject*, DWORD, POINTL, DWORD*) { return TRUE; }

BOOL __stdcall OnDragLeave(void*) { return TRUE; }

BOOL __stdcall OnDrop(void* inst, IDataObject* data, DWORD, POINTL, DWORD*) {
    if (!data) return TRUE;
    return ForInstance(inst, TRUE, [data](WidgetInstance& widget) { DropFiles(widget, *data); });
}

int __stdcall OnAddPropertySheets(void* inst, int) {
    return Guarded(0, [&] {
        auto* instance = static_cast<WidgetInstance*>(inst);
        return instance ? AddPropertySheets(*instance) : 0;
    });
}

}  // extern "C"
