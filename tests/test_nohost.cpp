// A host that offers none of the functions: the module still runs.
#include "rig/rig.h"

#include "sim/player.h"

TEST_CASE(a_widget_lives_and_dies_without_any_host_function) {
    sim::Player::Get().Start(false);
    rig::Widget widget;
    REQUIRE(widget.instance() != nullptr);
    widget.PollTick();
    const std::string saved = rig::WorkFolder() + "nohost.ini";
    CHECK(rig::TheModule().OnSave(widget.instance(), saved.c_str(), "W", FALSE));
    CHECK(rig::RecordingHost::Get().calls.empty());
}
