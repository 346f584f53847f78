#include "check.h"

#include "rig/rig.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <vector>

namespace check {
namespace {

struct Case {
    const char* name;
    CaseFunction function;
};

std::vector<Case>& Cases() {
    static std::vector<Case> cases;
    return cases;
}

int g_failuresInCase = 0;

}  // namespace

Registrar::Registrar(const char* name, CaseFunction function) { Cases().push_back({name, function}); }

void Fail(const char* file, int line, const std::string& what) {
    ++g_failuresInCase;
    std::printf("  %s:%d: %s\n", file, line, what.c_str());
    std::fflush(stdout);
}

int RunCases(int argc, char** argv) {
    rig::Environment environment;
    int passed = 0;
    int failed = 0;
    for (const Case& c : Cases()) {
        if (argc > 1 && std::strstr(c.name, argv[1]) == nullptr) continue;
        g_failuresInCase = 0;
        std::printf("[ RUN  ] %s\n", c.name);
        std::fflush(stdout);
        try {
            c.function();
        } catch (const RequireFailed&) {
        } catch (const std::exception& e) {
            Fail(__FILE__, __LINE__, std::string("exception: ") + e.what());
        }
        rig::AfterCase();
        if (g_failuresInCase == 0) {
            ++passed;
            std::printf("[  OK  ] %s\n", c.name);
        } else {
            ++failed;
            std::printf("[ FAIL ] %s\n", c.name);
        }
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    // The verdict is in. End here rather than in the teardown of Wine's
    // libraries, which now and then waits forever on a fresh prefix.
    TerminateProcess(GetCurrentProcess(), failed == 0 ? 0 : 1);
    return failed == 0 ? 0 : 1;
}

}  // namespace check
