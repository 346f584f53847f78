// The standalone host's settings file: a restart brings back every widget
// where it stood, with the settings its module saved.
#include "host/host_app.h"
#include "rig/rig.h"

#include <string>

namespace {

std::string ModulePath() {
    rig::TheModule();  // puts the module into the work folder
    return rig::WorkFolder() + "Quillbracket.dll";
}

std::string FreshConfig() {
    const std::string path = rig::WorkFolder() + "quillhost.ini";
    DeleteFileA(path.c_str());
    return path;
}

std::string Read(const std::string& file, const std::string& group, const char* key) {
    char buffer[256] = {};
    GetPrivateProfileStringA(group.c_str(), key, "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

void Send(const host::WidgetWindow& widget, UINT msg, WPARAM keys, POINT client) {
    SendMessageA(widget.window(), msg, keys, MAKELPARAM(client.x, client.y));
}

// The pointer comes onto the widget, presses and moves by (dx, 0) in small steps, as a hand would.
void Drag(const host::WidgetWindow& widget, int dx) {
    const POINT origin = widget.Position();
    const POINT grip = {40, 40};
    SetCursorPos(origin.x + grip.x, origin.y + grip.y);
    Send(widget, WM_MOUSEMOVE, 0, grip);
    Send(widget, WM_LBUTTONDOWN, MK_LBUTTON, grip);
    for (int moved = 5; moved <= dx; moved += 5) {
        SetCursorPos(origin.x + grip.x + moved, origin.y + grip.y);
        Send(widget, WM_MOUSEMOVE, MK_LBUTTON, grip);  // the widget follows the pointer
    }
    Send(widget, WM_LBUTTONUP, 0, grip);
}

void MoveTo(host::WidgetWindow& widget, LONG x, LONG y) {
    const SIZE size = widget.Size();
    RECT bounds = {x, y, x + size.cx, y + size.cy};
    widget.Move(bounds, false);
}

}  // namespace

TEST_CASE(host_restart_restores_widgets_where_they_stood_with_their_settings) {
    const std::string config = FreshConfig();
    {
        host::HostApp app(ModulePath(), config);
        REQUIRE(app.ModuleLoaded());
        app.Restore();  // nothing saved yet: one new widget
        REQUIRE(app.widgets().size() == 1u);
        REQUIRE(app.widgets()[0]->instance() != nullptr);
        MoveTo(*app.widgets()[0], 40, 60);
        MoveTo(*app.AddWidget({0, 0}), -300, 200);  // on a screen left of the main one
        app.Shutdown();
    }
    CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget1,Widget2"));
    CHECK_EQ(Read(config, "Widget1.Settings", "SkinDir"), std::string("Default"));
    // A setting the module keeps: it must come back through the module, not by default.
    WritePrivateProfileStringA("Widget2.Settings", "ShowTimePlayed", "0", config.c_str());

    host::HostApp app(ModulePath(), config);
    app.Restore();
    REQUIRE(app.widgets().size() == 2u);
    CHECK_EQ(app.widgets()[0]->Position().x, 40L);
    CHECK_EQ(app.widgets()[0]->Position().y, 60L);
    CHECK_EQ(app.widgets()[1]->Position().x, -300L);
    CHECK_EQ(app.widgets()[1]->Position().y, 200L);
    app.Shutdown();
    CHECK_EQ(Read(config, "Widget2.Settings", "ShowTimePlayed"), std::string("0"));
    CHECK_EQ(Read(config, "Widget1.Settings", "ShowTimePlayed"), std::string("1"));
}

// The module captures the mouse when the pointer arrives; the press's own
// capture of the same window must not end the drag.
TEST_CASE(host_widget_dragged_by_the_pointer_moves_and_comes_back_there) {
    const std::string config = FreshConfig();
    {
        host::HostApp app(ModulePath(), config);
        app.Restore();
        REQUIRE(app.widgets().size() == 1u);
        host::WidgetWindow& widget = *app.widgets()[0];
        MoveTo(widget, 100, 80);
        Drag(widget, 60);
        CHECK_EQ(widget.Position().x, 160L);
        CHECK_EQ(widget.Position().y, 80L);
        app.Shutdown();
    }
    host::HostApp app(ModulePath(), config);
    app.Restore();
    REQUIRE(app.widgets().size() == 1u);
    CHECK_EQ(app.widgets()[0]->Position().x, 160L);
    app.Shutdown();
}

TEST_CASE(host_removed_widget_stays_removed_and_leaves_nothing_to_a_newcomer) {
    const std::string config = FreshConfig();
    {
        host::HostApp app(ModulePath(), config);
        app.Restore();
        app.AddWidget({0, 0});
        app.SaveAll();
        WritePrivateProfileStringA("Widget1.Settings", "ShowTimePlayed", "0", config.c_str());
        app.RemoveWidget(app.widgets()[0]->window());
        CHECK_EQ(app.widgets().size(), 1u);
        CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget2"));
        CHECK_EQ(Read(config, "Widget1.Settings", "ShowTimePlayed"), std::string());

        // A widget added before the next save must not inherit what a removed one left.
        WritePrivateProfileStringA("Widget1.Settings", "ShowTimePlayed", "0", config.c_str());
        app.AddWidget({0, 0});
        app.Shutdown();
    }
    CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget2,Widget1"));
    CHECK_EQ(Read(config, "Widget1.Settings", "ShowTimePlayed"), std::string("1"));

    // A list naming a widget twice brings it back once.
    WritePrivateProfileStringA("Quillhost", "Widgets", "Widget2, Widget2", config.c_str());
    host::HostApp app(ModulePath(), config);
    app.Restore();
    CHECK_EQ(app.widgets().size(), 1u);
    app.Shutdown();
}

TEST_CASE(host_menu_removal_and_exit_wait_until_the_module_has_returned) {
    const std::string config = FreshConfig();
    host::HostApp app(ModulePath(), config);
    app.Restore();
    app.AddWidget({0, 0});
    constexpr int kStart = 1;
    // Asked from inside the module's menu handling: the instance must outlive the call.
    app.widgets()[1]->DoDefaultMenuCommand(kStart, kStart + host::WidgetWindow::kRemove);
    CHECK_EQ(app.widgets().size(), 2u);
    app.widgets()[0]->DoDefaultMenuCommand(kStart, kStart + host::WidgetWindow::kExit);
    CHECK_EQ(app.widgets().size(), 2u);
    app.Run();  // carries out both, in order, and ends
    CHECK_EQ(app.widgets().size(), 1u);
    app.Shutdown();
    CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget1"));
}
