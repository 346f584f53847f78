// The class object registered for the player's CLSID. It lives as long as the
// process and is not counted among the player's objects.
#include "sim/class_factory.h"

#include "player_objects/call_gate.h"
#include "sim/app_object.h"

namespace sim {
namespace {

class ClassFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // Starts the player like a local server would, then hands out its one
    // application object.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return player_objects::CallToResult([&] {
            Player& player = Player::Get();
            player.calls().Record("IClassFactory.CreateInstance", L"");
            const Fault* fault = player.faults().Find("IClassFactory.CreateInstance");
            if (fault && fault->kind == Fault::Kind::Fail) return fault->result;
            if (!player.Running() && !player.Start(player.StartVisible())) return CO_E_SERVER_EXEC_FAILURE;
            return player.App()->QueryInterface(iid, out);
        });
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

IClassFactory* PlayerClassFactory() {
    static ClassFactory factory;
    return &factory;
}

}  // namespace sim
