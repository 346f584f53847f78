// The host's settings file as users have it: everything they wrote kept, in
// its order; one whole write a change; a write that fails told once, the
// settings kept and written at the next change; the file in the user's
// application data, beside the program for a portable copy, and an old file
// beside the program taken over.
#include "host/settings_place.h"
#include "host_fixture.h"

#include <sstream>

using namespace host_test;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Whether every line of `part` stands in `whole`, in the same order.
bool InOrder(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    size_t next = 0;
    for (const std::string& line : whole)
        if (next < part.size() && line == part[next]) ++next;
    return next == part.size();
}

void ChooseOption(host::WidgetWindow& widget, int item) {
    constexpr int kStart = 1;
    widget.DoDefaultMenuCommand(kStart, kStart + host::WidgetWindow::kFirstOptionsItem + item);
}

constexpr int kOpacity60 = 14;  // as the options menu lists it

}  // namespace

TEST_CASE(host_settings_keep_what_the_user_wrote_in_its_order_and_change_values_in_place) {
    const std::string config = FreshConfig();
    const std::vector<std::string> written = {"; my widgets",
                                              "[Quillhost]",
                                              "Widgets=Widget1",
                                              "Theme = dark",
                                              "",
                                              "[Notes]",
                                              "; kept by hand",
                                              "Shelf=\"left\"",
                                              "",
                                              "[Widget1]",
                                              "X=100",
                                              "Y=90",
                                              "Colour=red",
                                              "",
                                              "[Widget1.Settings]",
                                              "SkinDir=Default",
                                              "Mine=1",
                                              "[Later]",
                                              "Key=value"};
    std::string text;
    for (const std::string& line : written) text += line + "\r\n";
    rig::WriteTextFile(config, text);
    {
        host::HostApp app(ModulePath(), config);
        app.Restore();
        REQUIRE(app.widgets().size() == 1u);
        Drag(*app.widgets()[0], 60);
        app.SaveAll();  // the module writes its group too
        app.Shutdown();
    }
    const std::vector<std::string> now = Lines(rig::ReadTextFile(config));
    std::vector<std::string> unchanged = written;
    unchanged.erase(unchanged.begin() + 10);  // X=100
    CHECK(InOrder(unchanged, now));
    // The new value where the old one stood, the host's new keys after the group's last key.
    CHECK_EQ(now.at(10), std::string("X=160"));
    CHECK_EQ(now.at(13).rfind("Monitor=", 0), 0u);
    CHECK_EQ(Read(config, "Widget1.Settings", "ShowTimePlayed"), std::string("1"));
    CHECK_EQ(Read(config, "Notes", "Shelf"), std::string("left"));
}

// Each change is one write of the whole file, whatever it touches: a drag, an
// option, the property sheet's Apply, Lock all, a new widget, a removal.
TEST_CASE(host_writes_the_settings_file_once_a_change) {
    const std::string config = FreshConfig();
    rig::InstallBundledSkin("Slim");
    host::HostApp app(ModulePath(), config);
    app.Restore();
    CHECK_EQ(app.config().saves(), 1);  // the first widget, kept at once
    Drag(*app.widgets()[0], 60);
    CHECK_EQ(app.config().saves(), 2);
    ChooseOption(*app.widgets()[0], kOpacity60);
    CHECK_EQ(app.config().saves(), 3);
    app.ShowTrayIcon();
    ChooseInTray(app, L"Slim", L"Add widget");
    CHECK_EQ(app.config().saves(), 4);
    ChooseInTray(app, L"Lock all positions");
    CHECK_EQ(app.config().saves(), 5);
    app.SaveAll();  // nothing changed: nothing written
    CHECK_EQ(app.config().saves(), 5);
    app.RemoveWidget(app.widgets()[1]->window());
    CHECK_EQ(app.config().saves(), 6);
    CHECK_EQ(Read(config, "Widget1", "Locked"), std::string("1"));
    CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget1"));
    app.Shutdown();
}

// A folder the host cannot write to: the settings stay in memory, the user is
// told once, and the next change writes them all.
TEST_CASE(host_tells_a_failed_write_once_keeps_the_settings_and_writes_them_at_the_next_change) {
    const std::string folder = rig::WorkFolder() + "unwritable\\";
    const std::string config = folder + "quillhost.ini";
    RemoveDirectoryA(folder.c_str());
    StderrCapture stderrText;
    host::HostApp app(ModulePath(), config);
    app.Restore();
    app.ShowTrayIcon();
    const std::string balloon = app.trayIcon()->balloon();
    CHECK(balloon.find("cannot be saved to " + config) != std::string::npos);
    Drag(*app.widgets()[0], 60);
    ChooseOption(*app.widgets()[0], kOpacity60);
    CHECK_EQ(Lines(stderrText.Text()).size(), 1u);
    CHECK_EQ(Lines(stderrText.Text()).at(0), "quillhost: " + balloon);
    CHECK(!rig::FileExists(config));

    CreateDirectoryA(folder.c_str(), nullptr);
    const LONG x = app.widgets()[0]->Position().x;
    Drag(*app.widgets()[0], 20);
    CHECK_EQ(Read(config, "Widget1", "X"), std::to_string(x + 20));
    CHECK_EQ(Read(config, "Widget1", "Opacity"), std::string("60"));
    CHECK_EQ(Read(config, "Widget1.Settings", "SkinDir"), std::string("Default"));
    CHECK_EQ(Lines(stderrText.Text()).size(), 2u);
    app.Shutdown();
}

TEST_CASE(host_settings_live_in_the_users_application_data_beside_a_portable_program_and_an_old_file_is_taken_over) {
    const std::string programFolder = rig::WorkFolder() + "program\\";
    const std::string program = programFolder + "quillhost.exe";
    const std::string appData = rig::WorkFolder() + "roaming\\";
    CreateDirectoryA(programFolder.c_str(), nullptr);
    CreateDirectoryA(appData.c_str(), nullptr);
    const std::string file = host::SettingsFileFor(program, appData);
    CHECK_EQ(file, appData + "Quillbracket\\quillhost.ini");

    // Kept beside the program by an earlier quillhost: copied once, the old one renamed.
    const std::string old = programFolder + "quillhost.ini";
    rig::WriteTextFile(old, "[Quillhost]\r\nWidgets=Widget4\r\n");
    CHECK_EQ(host::TakeOverSettings(file, program), file);
    CHECK_EQ(rig::ReadTextFile(file), std::string("[Quillhost]\r\nWidgets=Widget4\r\n"));
    CHECK(!rig::FileExists(old));
    CHECK_EQ(rig::ReadTextFile(old + ".moved"), rig::ReadTextFile(file));
    // One found there later never replaces the settings in use.
    rig::WriteTextFile(old, "[Quillhost]\r\nWidgets=Widget9\r\n");
    CHECK_EQ(host::TakeOverSettings(file, program), file);
    CHECK_EQ(Read(file, "Quillhost", "Widgets"), std::string("Widget4"));

    // A portable copy keeps its settings beside itself.
    rig::WriteTextFile(programFolder + host::kPortableMarker, "");
    CHECK_EQ(host::SettingsFileFor(program, appData), old);
    CHECK_EQ(host::TakeOverSettings(old, program), old);
    CHECK_EQ(Read(old, "Quillhost", "Widgets"), std::string("Widget9"));
}
