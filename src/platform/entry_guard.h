// Every function the host or the system calls into the module runs its body
// through Guarded: no exception gets out to unwind through the caller's
// frames (the host's window procedure, the dialog manager), and a failure
// inside, such as an allocation that could not be had, gives the caller an
// answer it can live with.
#pragma once

#include <utility>

template <class Result, class Body>
Result Guarded(Result onFailure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return onFailure;
    }
}
