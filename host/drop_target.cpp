#include "host/drop_target.h"

#include "host/widget_window.h"

namespace host {

HRESULT STDMETHODCALLTYPE DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    const ModuleEntryPoints& entry = widget_.module().entry();
    // Without an answer from the module a drop is refused.
    DWORD answer = entry.OnDragEnter ? *effect : DROPEFFECT_NONE;
    CallIfPresent(entry.OnDragEnter, widget_.instance(), data, keys, point, &answer);
    effect_ = answer & *effect;
    *effect = effect_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    *effect &= effect_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragLeave() {
    effect_ = DROPEFFECT_NONE;
    CallIfPresent(widget_.module().entry().OnDragLeave, widget_.instance());
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    if (!effect) return E_INVALIDARG;
    const ModuleEntryPoints& entry = widget_.module().entry();
    DWORD answer = entry.OnDrop ? (*effect & effect_) : DROPEFFECT_NONE;
    CallIfPresent(entry.OnDrop, widget_.instance(), data, keys, point, &answer);
    effect_ = DROPEFFECT_NONE;
    *effect = answer;
    return S_OK;
}

}  // namespace host
