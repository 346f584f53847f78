// Shared set-up of the mouse-input tests: the rig's player scene and a
// widget showing a skin written for the case.
#pragma once

#include "rig/rig.h"
#include "sim/player.h"

#include <memory>
#include <string>

namespace input_test {

using rig::PlayerScene;

// A widget whose settings name a skin made from the text; extra settings lines may follow.
inline std::unique_ptr<rig::Widget> WidgetOnSkin(const std::string& skin, const std::string& skinIni,
                                                 const std::string& settings = "") {
    rig::MakeSkin(skin, skinIni);
    const std::string ini = rig::WorkFolder() + "input_" + skin + ".ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + skin + "\n" + settings);
    return std::make_unique<rig::Widget>(ini.c_str(), "W");
}

}  // namespace input_test
