// The player misbehaving: every method the widget calls fails, answers
// nothing or answers a 1 MiB string, in turn; the player vanishes between
// two calls of one tick and comes back. The widget survives, detaches,
// reattaches, and gives back every reference and string it was handed.
#include "proof_figures.h"
#include "proof_player_scene.h"
#include "proof_watchdog.h"

#include <cstring>
#include <set>

namespace {

using proof::RunEverything;

std::set<std::string> MethodsCalled(sim::Player& player) {
    std::set<std::string> methods;
    for (const sim::Call& call : player.calls().entries()) methods.insert(call.method);
    return methods;
}

bool ReturnsString(const std::string& method) {
    for (const char* member : {".get_Name", ".get_Artist", ".get_Album", ".get_Genre", ".get_Comment",
                               ".get_Composer", ".get_KindAsString", ".get_Time", ".get_Version"})
        if (method.size() > std::strlen(member) &&
            method.compare(method.size() - std::strlen(member), std::strlen(member), member) == 0)
            return true;
    return false;
}

}  // namespace

TEST_CASE(every_player_method_failing_empty_or_huge_in_turn) {
    proof::WatchModule();
    const std::string settings = proof::InstallEverythingSkin();
    sim::Player& player = proof::PlayingPlayer();
    RunEverything(player, settings);
    const std::set<std::string> methods = MethodsCalled(player);
    std::printf("  the widget called %zu player methods\n", methods.size());
    CHECK(methods.size() >= 40);

    enum Kind { kFail, kNothing, kHuge };
    proof::Watchdog watchdog(30000);
    const proof::Figures start = proof::Measure();
    int scenarios = 0;
    for (const std::string& method : methods) {
        for (Kind kind : {kFail, kNothing, kHuge}) {
            if (kind == kHuge && !ReturnsString(method)) continue;
            const std::string label = method + (kind == kFail ? " fails" : kind == kNothing ? " nothing" : " 1 MiB");
            watchdog.Begin(label.c_str());
            proof::PlayingPlayer();
            if (kind == kFail) player.faults().Fail(method);
            if (kind == kNothing) player.faults().ReturnNothing(method);
            if (kind == kHuge) player.faults().ReturnHugeString(method);
            RunEverything(player, settings);
            ++scenarios;
            const proof::Figures now = proof::Measure();
            if (now.playerReferences != 0 || now.playerBstrs != start.playerBstrs ||
                now.moduleBstrs != start.moduleBstrs || now.gdiplusObjects != start.gdiplusObjects) {
                std::printf("  left behind after \"%s\": references %ld, BSTRs %ld/%ld, GDI+ %ld\n", label.c_str(),
                            now.playerReferences, now.playerBstrs, now.moduleBstrs, now.gdiplusObjects);
                CHECK(false);
            }
            watchdog.End();
        }
    }
    std::printf("  %d fault scenarios, longest %lu ms\n", scenarios, watchdog.longestMs());
    proof::Print("across all fault scenarios", start, proof::Measure());
}

// The player goes away after k calls of one tick, for every k the tick makes;
// the widget lets go of it, hides as its settings ask, and takes it up again
// when the player returns.
TEST_CASE(player_vanishing_at_every_call_of_a_tick_and_coming_back) {
    proof::WatchModule();
    const std::string settings = proof::InstallEverythingSkin("HideWhenNotLoaded=1\n");
    sim::Player& player = proof::PlayingPlayer();
    rig::Widget widget(settings.c_str(), "W");
    widget.PollTick();
    player.calls().Clear();
    widget.PollTick();
    const int pollCalls = static_cast<int>(player.calls().entries().size());
    widget.MouseOn();
    player.calls().Clear();
    widget.ScrollTick();
    const int scrollCalls = static_cast<int>(player.calls().entries().size());
    widget.MouseOut();
    std::printf("  a poll tick makes %d player calls, a scroll tick %d\n", pollCalls, scrollCalls);
    REQUIRE(pollCalls > 5);

    const proof::Figures start = proof::Measure();
    for (bool scroll : {false, true}) {
        for (int k = 0; k <= (scroll ? scrollCalls : pollCalls); ++k) {
            if (scroll) widget.MouseOn();
            player.faults().DisconnectAfter(k);
            scroll ? widget.ScrollTick() : widget.PollTick();
            player.Quit();
            player.faults().Clear();
            widget.MouseOut();
            widget.PollTick();
            CHECK_EQ(sim::OutstandingReferences(), 0L);
            CHECK(!widget.host().visible);
            const size_t attachesBefore = static_cast<size_t>(player.calls().Count("IClassFactory.CreateInstance"));
            player.Start(false);
            proof::StartPlaying(player);
            widget.PollTick();
            CHECK(widget.host().visible);
            CHECK(sim::OutstandingReferences() > 0);
            CHECK_EQ(static_cast<size_t>(player.calls().Count("IClassFactory.CreateInstance")), attachesBefore + 1);
            player.calls().Clear();
            rig::RecordingHost::Get().ClearCalls();
        }
    }
    widget.Destroy();
    const proof::Figures end = proof::Measure();
    proof::Print("after every vanishing point", start, end);
    CHECK_EQ(end.playerReferences, 0L);
    CHECK_EQ(end.playerBstrs, start.playerBstrs);
    CHECK_EQ(end.moduleBstrs, start.moduleBstrs);
}
