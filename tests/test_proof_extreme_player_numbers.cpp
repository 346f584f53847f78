// Every number the player answers (position, duration, volume, rating,
// state and the counts of its collections) at the extremes of the range.
#include "proof_extremes.h"

TEST_CASE(every_number_the_player_answers_at_the_extremes) {
    proof::WatchModule();
    const struct {
        const char* method;
        bool everyKnob;  // the number moves the progress knob
    } methods[] = {{"IiTunes.get_PlayerPosition", true},       {"IITTrack.get_Duration", true},
                   {"IiTunes.get_SoundVolume", false},         {"IITTrack.get_Rating", false},
                   {"IiTunes.get_PlayerState", false},         {"IITSourceCollection.get_Count", false},
                   {"IITPlaylistCollection.get_Count", false}, {"IITTrackCollection.get_Count", false},
                   {"IITArtworkCollection.get_Count", false}};
    const long numbers[] = {LONG_MIN, LONG_MIN + 1, -1, 0, LONG_MAX, 100000, 16777216, 1000000000};
    proof::Watchdog watchdog(proof::kHangMs, proof::kSlowSessionMs);
    proof::Tally tally;
    const proof::Figures start = proof::Measure();
    for (const auto& method : methods) {
        for (int knob = 0; knob < (method.everyKnob ? 4 : 1); ++knob) {
            // The player's window stays hidden: drawing its face is the simulated
            // player's cost, not the widget's.
            const std::string settings = proof::InstallEverythingSkin("AutoHideiTunes=1\n", knob & 1, knob & 2);
            for (const long number : numbers) {
                const std::string label =
                    std::string(method.method) + " = " + std::to_string(number) + ", knob " + std::to_string(knob);
                proof::RunTimed(watchdog, tally, label, [&] {
                    sim::Player& player = proof::PlayingPlayer();
                    player.faults().ReturnNumber(method.method, number);
                    {
                        rig::ModalDriver driver;
                        driver.ChooseInNextMenu(1000);
                        const rig::Widget widget(settings.c_str(), "W");
                        proof::Touch(widget, player,
                                     {proof::kPausePlay, proof::kPausePlay, proof::kNext, proof::kPrevious});
                    }
                    CHECK_EQ(sim::OutstandingReferences(), 0L);
                });
            }
        }
    }
    tally.Print("player numbers", watchdog);
    CHECK(tally.slow.empty());
    const proof::Figures end = proof::Measure();
    proof::Print("across all numbers", start, end);
    proof::CheckAllGivenBack(start, end);
}
