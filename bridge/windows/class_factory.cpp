#include "bridge/windows/class_factory.h"

#include "bridge/windows/objects.h"
#include "player_objects/call_gate.h"
#include "player_objects/ref_counted.h"

namespace bridge::windows {
namespace {

class ClassFactory final : public player_objects::RefCounted<IClassFactory> {
public:
    explicit ClassFactory(std::shared_ptr<HelperLink> client) : client_(std::move(client)) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return player_objects::CallToResult([&] {
            const Run run = client_->CurrentRun();
            return run ? NewApp({client_, run}, iid, out) : CO_E_SERVER_EXEC_FAILURE;
        });
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    bool Answers(REFIID iid) const override { return iid == IID_IUnknown || iid == IID_IClassFactory; }

    std::shared_ptr<HelperLink> client_;
};

}  // namespace

Microsoft::WRL::ComPtr<IClassFactory> NewClassFactory(std::shared_ptr<HelperLink> client) {
    return Microsoft::WRL::ComPtr<IClassFactory>(new ClassFactory(std::move(client)));
}

}  // namespace bridge::windows
