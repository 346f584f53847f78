// The widget takes another skin: model, caches, the three layers, size.
#pragma once

#include "widget/widget_instance.h"

#include <string>

// Loads the named skin from the widget's skins folder; a skin loaded for an
// animation leaves the pause layer hidden. Hands back the previous model for
// the caller to discard, and leaves drawing the new skin to the caller.
[[nodiscard]] SkinModelPtr LoadSkin(WidgetInstance& widget, const std::string& name, bool forAnimation);

// Loads the named skin and draws the widget in it at once; hands back the
// previous model for the caller to discard.
[[nodiscard]] SkinModelPtr LoadSkinAndRedraw(WidgetInstance& widget, const std::string& name);
