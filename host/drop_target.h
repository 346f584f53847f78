// The widget window's OLE drop target: passes drags and drops on to the
// module's entry points for the widget's instance.
#pragma once

#include <ole2.h>

namespace host {

class WidgetWindow;

class DropTarget final : public IDropTarget {
public:
    // The widget outlives the registration: it revokes before it goes.
    explicit DropTarget(WidgetWindow& widget) : widget_(widget) {}
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    ~DropTarget() = default;
    LONG references_ = 1;
    WidgetWindow& widget_;
    // What the module answered on entering; kept for every move over the widget.
    DWORD effect_ = DROPEFFECT_NONE;
};

}  // namespace host
