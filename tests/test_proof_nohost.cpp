// A host that exports none of the host functions: every entry point of the
// module still runs, and gives back what it took from the player.
#include "proof_host_scene.h"

TEST_CASE(every_entry_point_without_any_host_function) {
    const std::string settings = proof::InstallEverythingSkin();
    sim::Player& player = proof::PlayingPlayer();
    for (int round = 0; round < 3; ++round) proof::DriveEveryEntryPoint(rig::TheModule(), player, settings);
    CHECK(rig::RecordingHost::Get().calls.empty());
    CHECK(player.calls().Count("IITLibraryPlaylist.AddFile") >= 3);
    CHECK_EQ(sim::OutstandingReferences(), 0L);
}
