// The gate every call of a player's object passes, the simulated player's and
// the bridge's alike: the player's own policy runs around the call (the
// simulated player logs it and may answer with an injected fault, the bridge
// answers for a run that is over), and no exception leaves: one ends the call
// with kCallFailed.
//
// A policy has two hooks, each of which answers for the call or runs its body:
//   template <class Body> HRESULT Run(Body&& body) const;
//   template <class Out, class Body> HRESULT RunOut(Out& out, Body&& body) const;
// handing the body what it runs on.
#pragma once

#include <windows.h>

namespace player_objects {

// What a call that ended in an exception answers: mostly an allocation that
// failed, which the caller takes as it takes any other failed call.
constexpr HRESULT kCallFailed = E_FAIL;

template <class Body>
HRESULT CallToResult(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return kCallFailed;
    }
}

template <class Policy, class Body>
HRESULT CallToResult(const Policy& policy, Body&& body) noexcept {
    return CallToResult([&] { return policy.Run(body); });
}

// For a method with one out-value: the value is preset to null or 0 and stays
// so unless the method succeeds.
template <class Out, class Policy, class Body>
HRESULT CallToResultOut(Out* out, const Policy& policy, Body&& body) noexcept {
    if (!out) return E_POINTER;
    *out = Out{};
    return CallToResult([&] { return policy.RunOut(*out, body); });
}

}  // namespace player_objects
