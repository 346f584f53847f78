// What the host keeps for each widget beside its place: how it stands among
// other windows, whether it may be dragged or snaps, how opaque and how
// large it is shown. Kept in the widget's own host group of the settings file.
#pragma once

namespace host {

enum class WidgetLayer { Normal, Topmost, Desktop };

struct WidgetOptions {
    WidgetLayer layer = WidgetLayer::Normal;
    bool locked = false;
    bool snap = true;
    int opacityPercent = 100;  // 30..100, in steps of 10
    int scale = 0;             // 0: the widget's monitor's; otherwise 1..3
    bool hideForFullScreen = false;

    static constexpr int kMinOpacity = 30;
    static constexpr int kMaxScale = 3;
    // Full-screen programs hide a topmost widget unless the user says otherwise.
    static bool DefaultHideForFullScreen(WidgetLayer layer) { return layer == WidgetLayer::Topmost; }
};

}  // namespace host
