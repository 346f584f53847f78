// The widget window's OLE drop target: passes drags and drops on to the
// module's entry points for the widget's instance.
#pragma once

#include "player_objects/ref_counted.h"

#include <ole2.h>

namespace host {

class WidgetWindow;

class DropTarget final : public player_objects::RefCounted<IDropTarget> {
public:
    // Made holding the reference its maker takes over. The widget outlives
    // the registration: it revokes before it goes.
    explicit DropTarget(WidgetWindow& widget) : widget_(widget) { AddRef(); }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

private:
    ~DropTarget() override = default;
    bool Answers(REFIID iid) const override { return iid == IID_IUnknown || iid == IID_IDropTarget; }

    WidgetWindow& widget_;
    // What the module answered on entering; kept for every move over the widget.
    DWORD effect_ = DROPEFFECT_NONE;
};

}  // namespace host
