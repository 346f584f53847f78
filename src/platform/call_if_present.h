// Calls a function looked up at run time if it was found; otherwise yields a
// zero value. Guards both the host's functions and the module's entry points.
#pragma once

#include <type_traits>

template <class Function, class... Args>
auto CallIfPresent(Function function, Args... args) {
    using Result = decltype(function(args...));
    if constexpr (std::is_void_v<Result>) {
        if (function) function(args...);
    } else {
        return function ? function(args...) : Result{};
    }
}
