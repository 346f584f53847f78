// A small test framework: cases register themselves, checks report and go on,
// REQUIRE ends the case. The runner prints "N passed, N failed".
#pragma once

#include <sstream>
#include <string>

namespace check {

using CaseFunction = void (*)();

struct Registrar {
    Registrar(const char* name, CaseFunction function);
};

struct RequireFailed {};

void Fail(const char* file, int line, const std::string& what);
// Runs the cases whose names hold argv[1] (all without it) and ends the program: passed or not.
int RunCases(int argc, char** argv);

template <class T>
std::string Show(const T& value) {
    std::ostringstream out;
    if constexpr (std::is_same_v<T, std::wstring>) {
        for (wchar_t c : value) out << (c < 128 ? static_cast<char>(c) : '?');
    } else {
        out << value;
    }
    return out.str();
}

}  // namespace check

#define QB_CONCAT_INNER(a, b) a##b
#define QB_CONCAT(a, b) QB_CONCAT_INNER(a, b)

#define TEST_CASE(name)                                                  \
    static void name();                                                  \
    static const ::check::Registrar QB_CONCAT(name, _registrar)(#name, name); \
    static void name()

#define CHECK(condition)                                                    \
    do {                                                                    \
        if (!(condition)) ::check::Fail(__FILE__, __LINE__, "CHECK(" #condition ")"); \
    } while (0)

#define CHECK_EQ(actual, expected)                                                          \
    do {                                                                                    \
        /* Copies: the values may live in temporaries that end with the line. */              \
        const auto qb_actual = (actual);                                                    \
        const auto qb_expected = (expected);                                                \
        if (!(qb_actual == qb_expected))                                                    \
            ::check::Fail(__FILE__, __LINE__,                                               \
                          "CHECK_EQ(" #actual ", " #expected "): " + ::check::Show(qb_actual) + \
                              " != " + ::check::Show(qb_expected));                         \
    } while (0)

#define REQUIRE(condition)                                                    \
    do {                                                                      \
        if (!(condition)) {                                                   \
            ::check::Fail(__FILE__, __LINE__, "REQUIRE(" #condition ")");     \
            throw ::check::RequireFailed{};                                   \
        }                                                                     \
    } while (0)
