// The host's items for one widget in its menu: Position, Transparency and
// Scale submenus, Lock position, Snap to edges, Hide for full-screen programs.
#pragma once

#include "host/widget_options.h"

#include <windows.h>

namespace host {

// Items take ids firstId .. firstId + kOptionsItemCount - 1.
constexpr int kOptionsItemCount = 18;

void AppendOptionsItems(HMENU menu, int firstId, const WidgetOptions& options);
// The options after the item at `offset` from firstId is chosen; false for an offset not ours.
bool ApplyOptionsItem(int offset, WidgetOptions& options);

}  // namespace host
