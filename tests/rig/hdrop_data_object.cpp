#include "rig/hdrop_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace rig {
namespace {

bool AsksForFileList(const FORMATETC* format) {
    return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) &&
           format->dwAspect == DVASPECT_CONTENT;
}

// The medium's release object: ReleaseStgMedium calls its Release instead of
// freeing the memory, so the data object sees each medium come back.
class MediumOwner final : public IUnknown {
public:
    MediumOwner(HDropDataObject* source, HGLOBAL memory) : source_(source), memory_(memory) { source_->AddRef(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            source_->MediumReturned(memory_);
            source_->Release();
            delete this;
        }
        return left;
    }

private:
    ~MediumOwner() = default;
    HDropDataObject* source_;
    HGLOBAL memory_;
    ULONG references_ = 1;
};

}  // namespace

Microsoft::WRL::ComPtr<HDropDataObject> HDropDataObject::Make(std::vector<std::wstring> names, Kind kind) {
    // Takes over the first reference without adding one.
    Microsoft::WRL::ComPtr<HDropDataObject> object;
    *object.ReleaseAndGetAddressOf() = new HDropDataObject(std::move(names), kind);
    return object;
}

HRESULT HDropDataObject::QueryInterface(REFIID iid, void** out) {
    if (iid != IID_IUnknown && iid != IID_IDataObject) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    *out = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
}

ULONG HDropDataObject::AddRef() { return ++references_; }

ULONG HDropDataObject::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT HDropDataObject::QueryGetData(FORMATETC* format) {
    if (kind_ == Kind::NoFileList || !AsksForFileList(format)) return DV_E_FORMATETC;
    return S_OK;
}

HRESULT HDropDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (kind_ == Kind::NoFileList || !AsksForFileList(format)) return DV_E_FORMATETC;
    if (kind_ == Kind::FetchFails) return E_OUTOFMEMORY;
    HGLOBAL memory = BuildList();
    if (!memory) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = new MediumOwner(this, memory);
    ++fetches;
    return S_OK;
}

HRESULT HDropDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (out) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT HDropDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
    if (direction != DATADIR_GET || kind_ == Kind::NoFileList) return E_NOTIMPL;
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return SHCreateStdEnumFmtEtc(1, &format, out);
}

void HDropDataObject::MediumReturned(HGLOBAL memory) {
    ++mediaReleased;
    if (whenReturned) whenReturned();
    lockedAtRelease += static_cast<int>(GlobalFlags(memory) & GMEM_LOCKCOUNT);
    GlobalFree(memory);
}

// DROPFILES, then each name with its NUL, then the NUL that ends the list
// (two NULs for no names, as the system writes it); the unterminated kind
// leaves out the final two.
HGLOBAL HDropDataObject::BuildList() const {
    std::wstring list;
    for (const std::wstring& name : names_) list += name + L'\0';
    list += L'\0';
    if (names_.empty()) list += L'\0';
    if (kind_ == Kind::Unterminated) list.resize(list.size() >= 2 ? list.size() - 2 : 0);
    const SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!memory) return nullptr;
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    BYTE* names = reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES);
    std::memcpy(names, list.data(), list.size() * sizeof(wchar_t));
    // The block may be larger than asked for; no stray NUL may end the list there.
    if (kind_ == Kind::Unterminated)
        std::memset(names + list.size() * sizeof(wchar_t), 'x', GlobalSize(memory) - bytes);
    GlobalUnlock(memory);
    return memory;
}

}  // namespace rig
