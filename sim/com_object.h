// What every object of the player shares: reference counting that the tests
// can watch, and the gate each method call passes (call log, injected
// faults, the player's run, no exception out).
#pragma once

#include "player_objects/call_gate.h"
#include "player_objects/ref_counted.h"
#include "sim/player.h"

#include <windows.h>

#include <oleauto.h>

#include <type_traits>

namespace sim {

// The simulated player's objects are made of the player objects the bridge's are made of.
using namespace player_objects;

// An in-argument for the call log.
struct Arg {
    Arg() = default;
    Arg(long value) : isNumber(true), number(value) {}
    Arg(const wchar_t* value) : text(value) {}
    bool isNumber = false;
    long number = 0;
    const wchar_t* text = nullptr;
};

struct Verdict {
    enum class Action { Proceed, Answer, AnswerHugeString, AnswerNumber };
    Action action = Action::Proceed;
    HRESULT result = S_OK;
    size_t length = 0;
    long number = 0;

    // Whether the call answers `result` instead of running.
    bool Answers() const { return action == Action::Answer || action == Action::AnswerNumber; }
};

// Logs the call, then tells whether it runs or what it answers instead.
Verdict Admit(const char* interfaceName, const char* member, const Arg& argument, int session);
BSTR HugeString(size_t length) noexcept;

void CountObject(int delta) noexcept;
void CountReferences(long delta) noexcept;

// The simulated player's policy for the call gate: every call is logged and
// counted, and runs unless a fault is injected for it or the run of the
// player it was made in is over.
struct SimulatedCall {
    const char* interfaceName;
    const char* member;
    const Arg& argument;
    int session;

    template <class Body>
    HRESULT Run(Body&& body) const {
        const Verdict verdict = Admit(interfaceName, member, argument, session);
        return verdict.Answers() ? verdict.result : body();
    }
    template <class Out, class Body>
    HRESULT RunOut(Out& out, Body&& body) const {
        const Verdict verdict = Admit(interfaceName, member, argument, session);
        if constexpr (std::is_same_v<Out, BSTR>) {
            if (verdict.action == Verdict::Action::AnswerHugeString) {
                out = HugeString(verdict.length);
                return out ? S_OK : E_OUTOFMEMORY;
            }
        }
        if constexpr (std::is_same_v<Out, long>) {
            if (verdict.action == Verdict::Action::AnswerNumber) {
                out = verdict.number;
                return S_OK;
            }
        }
        return verdict.Answers() ? verdict.result : body(out);
    }
};

// Base of every object: Interface is one of the defaults of com_defaults.h;
// Extra lists the interface ids it answers besides IUnknown and IDispatch.
template <class Interface, const IID&... Extra>
class ComObject : public RefCounted<Interface> {
protected:
    explicit ComObject(const char* interfaceName) : interfaceName_(interfaceName), session_(Player::Get().Session()) {
        CountObject(1);
    }
    ~ComObject() override { CountObject(-1); }

    bool Answers(REFIID iid) const override {
        return iid == IID_IUnknown || iid == IID_IDispatch || ((iid == Extra) || ...);
    }
    void Counted(long delta) override { CountReferences(delta); }

    template <class Body>
    HRESULT Serve(const char* member, const Arg& argument, Body&& body) {
        return CallToResult(SimulatedCall{interfaceName_, member, argument, session_}, body);
    }
    template <class Out, class Body>
    HRESULT ServeOut(const char* member, const Arg& argument, Out* out, Body&& body) {
        return CallToResultOut(out, SimulatedCall{interfaceName_, member, argument, session_}, body);
    }
    template <class Out, class Body>
    HRESULT ServeOut(const char* member, Out* out, Body&& body) {
        return ServeOut(member, Arg(), out, std::forward<Body>(body));
    }

    const char* interfaceName_;

private:
    int session_;
};

// Copies text into a new automation string for an out-value.
HRESULT StringOut(const std::wstring& text, BSTR& out);

}  // namespace sim
