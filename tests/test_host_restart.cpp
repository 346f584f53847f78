// The standalone host's settings file: a restart brings back every widget
// where it stood, with the settings its module saved.
#include "host_fixture.h"

using namespace host_test;

TEST_CASE(host_restart_restores_widgets_where_they_stood_with_their_settings) {
    const std::string config = FreshConfig();
    {
        host::HostApp app(ModulePath(), config);
        REQUIRE(app.ModuleLoaded());
        app.Restore();  // nothing saved yet: one new widget
        REQUIRE(app.widgets().size() == 1u);
        REQUIRE(app.widgets()[0]->instance() != nullptr);
        MoveTo(*app.widgets()[0], 40, 60);
        MoveTo(*app.AddWidget({0, 0}), -50, 200);  // more than half on the main screen
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
    CHECK_EQ(app.widgets()[1]->Position().x, -50L);
    CHECK_EQ(app.widgets()[1]->Position().y, 200L);
    app.Shutdown();
    CHECK_EQ(Read(config, "Widget2.Settings", "ShowTimePlayed"), std::string("0"));
    CHECK_EQ(Read(config, "Widget1.Settings", "ShowTimePlayed"), std::string("1"));
}

// A file written by hand, as the README describes its groups, without the
// list of widgets: each widget group is a widget, and nothing written is lost.
TEST_CASE(host_takes_unlisted_widget_groups_of_a_hand_written_file_as_widgets) {
    const std::string config = FreshConfig();
    rig::WriteTextFile(config,
                       "; my widgets\r\n[Widget1]\r\nX=300\r\nY=200\r\nMine=kept\r\n"
                       "[Widget1.Settings]\r\nSkinDir=Slim\r\n[Widget7.Settings]\r\nSkinDir=Default\r\n");
    host::HostApp app(ModulePath(), config);
    app.Restore();
    REQUIRE(app.widgets().size() == 2u);
    CHECK_EQ(app.widgets()[0]->Position().x, 300L);
    CHECK_EQ(app.widgets()[0]->Position().y, 200L);
    CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget1,Widget7"));
    CHECK_EQ(Read(config, "Widget1.Settings", "SkinDir"), std::string("Slim"));
    CHECK_EQ(Read(config, "Widget1", "X"), std::string("300"));
    CHECK_EQ(Read(config, "Widget1", "Mine"), std::string("kept"));
    app.Shutdown();  // the module saves the skin it loaded
    CHECK_EQ(Read(config, "Widget1.Settings", "SkinDir"), std::string("Slim"));
    CHECK(rig::ReadTextFile(config).find("; my widgets") != std::string::npos);
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
        app.RemoveWidget(app.widgets()[0]->window());
        CHECK_EQ(app.widgets().size(), 1u);
        CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget2"));
        CHECK_EQ(Read(config, "Widget1.Settings", "SkinDir"), std::string());
        app.Shutdown();
    }
    // Left in the file by a host that ended before it saved a removal: not a newcomer's.
    WritePrivateProfileStringA("Widget1.Settings", "ShowTimePlayed", "0", config.c_str());
    {
        host::HostApp app(ModulePath(), config);
        app.Restore();
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
