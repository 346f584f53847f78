// The host's part of each widget: a drag and every option are in the
// settings file the moment they change, in the widget's own host group, and
// act on the window: its layer, its size at a whole-number scale, a lock, snapping.
#include "host/monitors.h"
#include "host_fixture.h"

using namespace host_test;

namespace {

constexpr int kStart = 1;

void Choose(host::WidgetWindow& widget, int item) {
    widget.DoDefaultMenuCommand(kStart, kStart + host::WidgetWindow::kFirstOptionsItem + item);
}

// Offsets of the options items, in the order the menu lists them.
enum { kLock = 0, kSnap = 1, kHideForFullScreen = 2, kTopmost = 3, kNormal = 4, kScale2 = 8, kOpacity60 = 14 };

bool Topmost(const host::WidgetWindow& widget) {
    return (GetWindowLongPtrA(widget.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

LONG Width(const host::WidgetWindow& widget) {
    const RECT bounds = widget.ScreenBounds();
    return bounds.right - bounds.left;
}

}  // namespace

// Ended without Shutdown, as a killed host ends: nothing is saved on the way out.
TEST_CASE(host_keeps_a_drag_and_each_option_at_once_in_the_widgets_host_group) {
    const std::string config = FreshConfig();
    {
        host::HostApp app(ModulePath(), config);
        app.Restore();
        host::WidgetWindow& widget = *app.widgets()[0];
        MoveTo(widget, 100, 100);
        Drag(widget, 60);
        CHECK_EQ(Read(config, "Widget1", "X"), std::string("160"));

        CHECK(!Topmost(widget));
        Choose(widget, kTopmost);
        CHECK(Topmost(widget));
        CHECK_EQ(Read(config, "Widget1", "HideForFullScreen"), std::string("1"));
        Choose(widget, kNormal);
        CHECK(!Topmost(widget));
        Choose(widget, kTopmost);

        const LONG width = Width(widget);
        Choose(widget, kScale2);
        CHECK_EQ(Width(widget), 2 * width);
        CHECK_EQ(widget.Size().cx, width);  // the module's size stays its own
        Choose(widget, kOpacity60);
        Choose(widget, kLock);
        CHECK_EQ(Read(config, "Widget1", "Layer"), std::string("Topmost"));
        CHECK_EQ(Read(config, "Widget1", "Opacity"), std::string("60"));
        CHECK_EQ(Read(config, "Widget1.Settings", "Opacity"), std::string());
    }
    host::HostApp app(ModulePath(), config);
    app.Restore();
    REQUIRE(app.widgets().size() == 1u);
    host::WidgetWindow& widget = *app.widgets()[0];
    CHECK_EQ(widget.Position().x, 160L);
    CHECK(Topmost(widget));
    CHECK_EQ(widget.Scale(), 2);
    CHECK_EQ(widget.options().opacityPercent, 60);
    Drag(widget, 60);  // locked: it stays
    CHECK_EQ(widget.Position().x, 160L);
    app.Shutdown();
}

// A settings file edited by hand: values out of range are taken as the nearest allowed.
TEST_CASE(host_reads_options_out_of_range_as_the_nearest_allowed) {
    const std::string config = FreshConfig();
    WritePrivateProfileStringA("Widget1", "Opacity", "5", config.c_str());
    WritePrivateProfileStringA("Widget1", "Scale", "40", config.c_str());
    WritePrivateProfileStringA("Widget1", "Layer", "Sideways", config.c_str());
    const host::WidgetOptions options = host::HostConfig(config).ReadOptions("Widget1");
    CHECK_EQ(options.opacityPercent, host::WidgetOptions::kMinOpacity);
    CHECK_EQ(options.scale, host::WidgetOptions::kMaxScale);
    CHECK(options.layer == host::WidgetLayer::Normal);
}

TEST_CASE(host_drag_ending_near_an_edge_lands_on_it_unless_ctrl_is_held) {
    const std::string config = FreshConfig();
    host::HostApp app(ModulePath(), config);
    app.Restore();
    host::WidgetWindow& widget = *app.widgets()[0];
    const RECT area = host::PrimaryWorkArea();
    const LONG width = Width(widget);
    // Ends 6 px short of the work area's right edge.
    MoveTo(widget, area.right - width - 56, area.top + 200);
    Drag(widget, 50);
    CHECK_EQ(widget.Position().x, area.right - width);
    MoveTo(widget, area.right - width - 56, area.top + 200);
    Drag(widget, 50, MK_CONTROL);
    CHECK_EQ(widget.Position().x, area.right - width - 6);

    // Beside another widget: onto its edge.
    host::WidgetWindow& other = *app.AddWidget({0, 0});
    MoveTo(other, area.left + 400, area.top + 200);
    MoveTo(widget, area.left + 400 - width - 56, area.top + 200);
    Drag(widget, 50);
    CHECK_EQ(widget.Position().x, area.left + 400 - width);
    app.Shutdown();
}

// The check wakes the host each second, so it runs only while a widget gives
// way; one that stops giving way shows with its next frame, not at the next check.
TEST_CASE(host_topmost_widget_gives_way_to_a_full_screen_program_on_its_monitor) {
    host::HostApp app(ModulePath(), FreshConfig());
    app.Restore();
    host::WidgetWindow& widget = *app.widgets()[0];
    MoveTo(widget, 100, 100);
    CHECK(!app.watchingFullScreen());
    Choose(widget, kTopmost);
    CHECK(app.watchingFullScreen());
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(widget.window(), MONITOR_DEFAULTTONEAREST), &info);
    const RECT screen = info.rcMonitor;
    UniqueWindow program(CreateWindowExA(0, "STATIC", "full screen", WS_POPUP | WS_VISIBLE, screen.left, screen.top,
                                         screen.right - screen.left, screen.bottom - screen.top, nullptr, nullptr,
                                         nullptr, nullptr));
    SetForegroundWindow(program.get());
    app.CheckFullScreen();
    CHECK(!IsWindowVisible(widget.window()));
    CHECK(!widget.HiddenBy(host::HideReason::User));  // given way, not hidden by the user
    Choose(widget, kHideForFullScreen);
    rig::PumpFor(50);  // it shows with its next frame, at this turn of the message loop
    CHECK(IsWindowVisible(widget.window()));
    CHECK(!app.watchingFullScreen());
    Choose(widget, kHideForFullScreen);
    CHECK(!IsWindowVisible(widget.window()));
    program.reset();
    app.CheckFullScreen();
    rig::PumpFor(50);
    CHECK(IsWindowVisible(widget.window()));
    app.Shutdown();
}
