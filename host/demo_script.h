// A scripted session for machines without a display: the widget on the
// simulated player, driven through the module's entry points as the window
// would drive them, with a picture of the widget after every step.
#pragma once

#include <string>

namespace host {

class HostApp;

// Writes one PNG per step into outFolder and prints each path; 0 on success.
int RunDemoScript(HostApp& app, const std::string& outFolder);

}  // namespace host
