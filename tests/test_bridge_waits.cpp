// The widget's thread never waits on the bridge's helper: with a helper that
// is silent, slow, cut off, garbled or refusing, every call the widget makes
// returns at once from what the bridge's reader last learnt. make bench prints
// the same figure over a minute. Nor does the reader hold a new title or a
// command for a cover the helper is still downloading.
#include "rig/bridge_player.h"
#include "rig/fake_helper.h"

#include <cstdio>

namespace {

using bridge::wire::Command;
using std::chrono::milliseconds;

// The longest the widget's thread may spend in one call of the bridge.
constexpr double kLongestCallMs = 5.0;
// One status period of the reader (200 ms), with room for a busy machine.
constexpr double kWithinAPeriodSeconds = 0.5;

// How long until done() holds, pumping messages meanwhile; limit when it never does.
template <class Done>
double SecondsUntil(Done&& done, double limit) {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const bool met = done();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (met || seconds >= limit) return seconds;
        rig::PumpFor(10);
    }
}

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
    // Greeting, status and the cover connection's greeting at 2 s each: the widget attaches after about 6 s.
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

TEST_CASE(a_cover_being_downloaded_holds_neither_a_new_title_nor_a_command) {
    rig::FakeHelper helper(rig::HelperFault::None);
    rig::BridgeAsPlayer bridge(helper.sessionFile());
    bridge::windows::HelperLink& link = bridge.session.client();
    const auto title = [&link] {
        const auto status = link.CurrentStatus();
        return status ? status->title : std::string();
    };
    REQUIRE(rig::Eventually([&] { return title() == "Fake track"; }));
    // A cover at hand goes out with its title: the module asks for a track's art once, when it first shows it.
    CHECK(link.CoverOf("/fake/track/1") != nullptr);

    helper.DelayCovers(milliseconds(3000));
    helper.ChangeTrack("/fake/track/2", "Second track");
    const double shown = SecondsUntil([&] { return title() == "Second track"; }, 1.0);
    const int sentBefore = helper.Received(Command::Next);
    REQUIRE(link.Send(Command::Next));
    const double sent = SecondsUntil([&] { return helper.Received(Command::Next) > sentBefore; }, 1.0);
    std::printf("  the new title shown after %.2f s, a command sent after %.2f s\n", shown, sent);
    CHECK(shown <= kWithinAPeriodSeconds);
    CHECK(sent <= kWithinAPeriodSeconds);

    // Another track while that cover is on its way gets its own, asked for once.
    helper.ChangeTrack("/fake/track/3", "Third track");
    CHECK(rig::Eventually([&] { return link.CoverOf("/fake/track/3") != nullptr; }));
    CHECK_EQ(helper.Received(Command::Art), 3);
}

TEST_CASE(a_volume_or_mute_lost_with_its_connection_is_no_longer_shown) {
    rig::FakeHelper helper(rig::HelperFault::DropsCommands);
    rig::BridgeAsPlayer bridge(helper.sessionFile());
    bridge::windows::HelperLink& link = bridge.session.client();
    const auto shown = [&link] {
        const auto status = link.CurrentStatus();
        return status ? std::make_pair(status->volume, status->muted) : std::make_pair(-1, false);
    };
    REQUIRE(rig::Eventually([&] { return shown().first == 50; }));
    REQUIRE(link.Send(Command::Volume, "80"));
    CHECK_EQ(shown().first, 80);
    // The helper ends the connection at the command; the next status decides.
    CHECK(rig::Eventually([&] { return helper.Received(Command::Volume) == 1 && shown().first == 50; }));
    REQUIRE(link.Send(Command::Mute, "1"));
    CHECK(shown().second);
    CHECK(rig::Eventually([&] { return helper.Received(Command::Mute) == 1 && !shown().second; }));
}
