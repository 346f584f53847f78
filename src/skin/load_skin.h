// Installing a skin on the widget: model, caches, the three layers, size.
#pragma once

#include "core/widget_instance.h"

#include <string>

// Loads the named skin from the widget's skins folder; a skin loaded for an
// animation leaves the pause layer hidden. Hands back the previous model for
// the caller to discard, and leaves drawing the new skin to the caller.
[[nodiscard]] SkinModelPtr LoadSkin(WidgetInstance& widget, const std::string& name, bool forAnimation);
