// Reference counting and QueryInterface for an object of one of the player's
// interfaces, shared by the simulated player and the bridge: the object goes
// with its last reference, unless it is pinned.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace player_objects {

template <class Interface>
class RefCounted : public Interface {
public:
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!Answers(iid)) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        Counted(1);
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        Counted(-1);
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0 && !pinned_) delete this;
        return static_cast<ULONG>(left);
    }

    // Hands this object out through an out-pointer, with a new reference.
    template <class Target>
    HRESULT HandOut(Target** out) {
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

protected:
    RefCounted() = default;
    virtual ~RefCounted() = default;

    virtual bool Answers(REFIID iid) const = 0;
    // Told of each reference taken (1) and given back (-1).
    virtual void Counted(long) {}
    // A pinned object stays when its last reference goes; unpinning it then deletes it.
    void Pin() { pinned_ = true; }
    void Unpin() {
        pinned_ = false;
        if (references_ == 0) delete this;
    }

private:
    LONG references_ = 0;
    bool pinned_ = false;
};

}  // namespace player_objects
