#include "host/mpris/class_factory.h"

#include "host/mpris/objects.h"

namespace mpris {
namespace {

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(std::shared_ptr<BridgeClient> client) : client_(std::move(client)) {}
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        try {
            const Run run = client_->CurrentRun();
            return run ? NewApp({client_, run}, iid, out) : CO_E_SERVER_EXEC_FAILURE;
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    ~ClassFactory() = default;

    std::shared_ptr<BridgeClient> client_;
    LONG references_ = 0;
};

}  // namespace

Microsoft::WRL::ComPtr<IClassFactory> NewClassFactory(std::shared_ptr<BridgeClient> client) {
    return Microsoft::WRL::ComPtr<IClassFactory>(new ClassFactory(std::move(client)));
}

}  // namespace mpris
