// The widget's thread never waits on the bridge's helper: with a helper that
// is silent, slow, cut off, garbled or refusing, every call the widget makes
// returns at once from what the bridge's reader last learnt. make bench prints
// the same figure over a minute.
#include "rig/bridge_player.h"
#include "rig/fake_helper.h"

#include <cstdio>

namespace {

using std::chrono::milliseconds;

// The longest the widget's thread may spend in one call of the bridge.
constexpr double kLongestCallMs = 5.0;

rig::WidgetCallTimes TimeWith(rig::FakeHelper& helper, milliseconds length, const char* what) {
    rig::BridgeAsPlayer bridge(helper.sessionFile());
    const rig::WidgetCallTimes times = rig::TimeWidgetCalls(bridge.session, length);
    std::printf("  %s: longest call %.2f ms (%s) of %ld\n", what, times.longestMs, times.longest, times.calls);
    CHECK(times.longestMs < kLongestCallMs);
    return times;
}

}  // namespace

TEST_CASE(a_silent_or_slow_helper_never_holds_the_widget) {
    rig::FakeHelper silent(rig::HelperFault::Silent);
    CHECK(!TimeWith(silent, milliseconds(4000), "a helper that never answers").attached);
    // Greeting, status, cover and players at 2 s each: the widget attaches after about 8 s.
    rig::FakeHelper slow(rig::HelperFault::Slow, milliseconds(2000));
    CHECK(TimeWith(slow, milliseconds(12000), "a helper that answers each line after 2 s").attached);
}

TEST_CASE(a_helper_that_fails_its_answers_is_never_attached_and_nothing_blocks) {
    const std::pair<rig::HelperFault, const char*> faults[] = {
        {rig::HelperFault::GoneMidLine, "gone in the middle of a line"},
        {rig::HelperFault::PartialLine, "half a line, then nothing"},
        {rig::HelperFault::OverlongLine, "a line longer than the wire allows"},
        {rig::HelperFault::Garbage, "garbage"},
        {rig::HelperFault::Refused, "the token refused"},
    };
    for (const auto& [fault, what] : faults) {
        rig::FakeHelper helper(fault);
        rig::BridgeAsPlayer bridge(helper.sessionFile());
        const rig::WidgetCallTimes times = rig::TimeWidgetCalls(bridge.session, milliseconds(2500));
        std::printf("  %s: longest call %.2f ms (%s)\n", what, times.longestMs, times.longest);
        CHECK(times.longestMs < kLongestCallMs);
        CHECK(!times.attached);
        CHECK(bridge.session.window() == nullptr);
    }
    rig::FakeHelper refusing(rig::HelperFault::Refused);
    rig::BridgeAsPlayer bridge(refusing.sessionFile());
    CHECK(rig::Eventually([&] { return bridge.session.client().problem().find("refused") != std::string::npos; }));
}

TEST_CASE(the_widget_lets_go_of_a_gone_helper_and_keeps_its_objects_across_new_connections) {
    Microsoft::WRL::ComPtr<itunes::IiTunes> app;
    const auto attach = [&app] {
        return SUCCEEDED(CoCreateInstance(itunes::CLSID_iTunesApp, nullptr, CLSCTX_INPROC_SERVER, itunes::IID_IiTunes,
                                          reinterpret_cast<void**>(app.ReleaseAndGetAddressOf())));
    };
    long volume = -1;
    {
        // The same helper, over connection after connection: the same run.
        auto helper = std::make_unique<rig::FakeHelper>(rig::HelperFault::HangsUp);
        rig::BridgeAsPlayer bridge(helper->sessionFile());
        REQUIRE(rig::Eventually([&] { return bridge.session.window() != nullptr && attach(); }));
        CHECK(rig::Eventually([&] { return helper->connections() >= 4; }));
        CHECK_EQ(app->get_SoundVolume(&volume), S_OK);
        CHECK_EQ(volume, 50L);

        // Gone: the window goes and the objects answer "disconnected".
        helper.reset();
        CHECK(rig::Eventually([&] { return bridge.session.window() == nullptr; }));
        CHECK_EQ(app->get_SoundVolume(&volume), RPC_E_DISCONNECTED);

        // A new helper in its place is attached again.
        helper = std::make_unique<rig::FakeHelper>(rig::HelperFault::None);
        CHECK(rig::Eventually([&] { return bridge.session.window() != nullptr && attach(); }));
        CHECK_EQ(app->get_SoundVolume(&volume), S_OK);
    }
}
