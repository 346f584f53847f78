#include "host/demo_script.h"

namespace host {
int RunDemoScript(HostApp&, const std::string&) { return 0; }
}  // namespace host
