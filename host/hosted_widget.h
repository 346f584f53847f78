// A widget as the host keeps it: its window, the settings group it is kept in,
// and what the host last told of its skin.
#pragma once

#include "host/widget_window.h"

#include <memory>
#include <string>

namespace host {

struct HostedWidget {
    std::unique_ptr<WidgetWindow> window;
    std::string group;
    std::string skinProblem;  // the first error of its skin, once told; empty while it has none
};

}  // namespace host
