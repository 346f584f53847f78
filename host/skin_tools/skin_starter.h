// A small, valid skin to start a new one from: every pane, three buttons,
// album art, its images drawn here and a commented skin.ini.
#pragma once

#include <string>

namespace host {

// A name that is one folder of its own on every system: letters, digits,
// spaces, '-', '_' and '.', not a device name.
bool IsSkinFolderName(const std::string& name);

// Writes skinsFolder\name (skinsFolder ends in a separator) and prints what it
// made; 1 with a message when the name is not a folder name, the folder
// exists (it is left as it is) or it cannot be written.
int NewSkin(const std::string& skinsFolder, const std::string& name);

}  // namespace host
