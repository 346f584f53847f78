// How long the widget's thread spends in one call of the player bridge at
// most, over a minute of ticks, clicks, wheel steps and menus each, with a
// helper that never answers and with one that answers each line after 2 s.
// Run: make bench
#include "rig/bridge_player.h"
#include "rig/fake_helper.h"

#include <cstdio>

namespace {

using std::chrono::milliseconds;

void Measure(rig::HelperFault fault, milliseconds delay, const char* what) {
    rig::FakeHelper helper(fault, delay);
    rig::BridgeAsPlayer bridge(helper.sessionFile());
    // A tick every 50 ms: twenty times the widget's own pace.
    const rig::WidgetCallTimes times = rig::TimeWidgetCalls(bridge.session, milliseconds(60000), milliseconds(50));
    std::printf("%-42s %8.2f ms longest (%s) of %ld calls%s   target < 5 ms\n", what, times.longestMs,
                times.longest, times.calls, times.attached ? ", attached" : "");
    std::fflush(stdout);
}

}  // namespace

TEST_CASE(bridge_waits_benchmark) {
    std::printf("the widget's thread in one call of the bridge, over 60 s each:\n");
    Measure(rig::HelperFault::Silent, milliseconds(0), "helper that never answers");
    Measure(rig::HelperFault::Slow, milliseconds(2000), "helper that answers each line after 2 s");
}
