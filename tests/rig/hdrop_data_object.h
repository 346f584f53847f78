// A drag source's data object, as the system hands one to a drop target: it
// offers a file list (CF_HDROP, a DROPFILES block with wide names in global
// memory) and keeps count of the media it hands out and gets back.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <wrl/client.h>

#include <functional>
#include <string>
#include <vector>

namespace rig {

class HDropDataObject : public IDataObject {
public:
    enum class Kind {
        FileList,       // the names as given
        NoFileList,     // offers no CF_HDROP at all
        FetchFails,     // offers CF_HDROP, but GetData fails
        Unterminated,   // a list whose last name runs to the end of its block
    };

    static Microsoft::WRL::ComPtr<HDropDataObject> Make(std::vector<std::wstring> names,
                                                        Kind kind = Kind::FileList);

    int fetches = 0;           // successful GetData calls
    int mediaReleased = 0;     // media given back through ReleaseStgMedium
    int lockedAtRelease = 0;   // lock count of the memory when it came back, summed
    std::function<void()> whenReturned;  // run as each medium comes back
    ULONG References() const { return references_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDataObject
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    // Called by the medium's release object when the receiver lets it go.
    void MediumReturned(HGLOBAL memory);

private:
    HDropDataObject(std::vector<std::wstring> names, Kind kind) : names_(std::move(names)), kind_(kind) {}
    virtual ~HDropDataObject() = default;
    HGLOBAL BuildList() const;

    std::vector<std::wstring> names_;
    Kind kind_;
    ULONG references_ = 1;
};

}  // namespace rig
