// Only the module's request to show the player raises it: not the showing
// without activation that the module does when it stops hiding the player's
// window, at creation, on Apply and at teardown. tests/mpris/test_raise.sh runs
// this on the bridge, with a player of the tests' own that counts its raises.
#include "rig/bridge_player.h"
#include "rig/settings_sheet.h"

namespace {

// SlimExpanded's button that shows or hides the player, in widget pixels.
constexpr POINT kTogglePlayerButton = {242, 53};
// A box of the first settings page that has nothing to do with the player's window.
constexpr int kFiveStarsBox = 1003;

std::string SettingsShowingThePlayer() {
    rig::InstallBundledSkin("SlimExpanded");
    const std::string settings = rig::WorkFolder() + "raise.ini";
    rig::WriteTextFile(settings, "[W]\nSkinDir=SlimExpanded\nAutoHideiTunes=0\n");
    return settings;
}

}  // namespace

TEST_CASE(the_player_is_raised_only_by_the_button_that_shows_it) {
    rig::BridgeAsPlayer bridge;
    REQUIRE(rig::Eventually([&] { return bridge.session.window() != nullptr; }));
    {
        rig::Widget widget(SettingsShowingThePlayer().c_str(), "W");
        {
            rig::SettingsSheet sheet(widget);
            SendMessageA(GetDlgItem(sheet.Page(0), kFiveStarsBox), BM_CLICK, 0, 0);
            sheet.PressApply();
        }
        rig::PumpFor(500);
        CHECK_EQ(rig::AskShell("raises"), std::string("0"));

        widget.Click(kTogglePlayerButton.x, kTogglePlayerButton.y);
        CHECK(rig::ShellSays("raises", "1"));
        CHECK(!IsWindowVisible(bridge.session.window()));
    }
    rig::PumpFor(500);
    CHECK_EQ(rig::AskShell("raises"), std::string("1"));
}
