// The host's icon in the notification area and what reaches the host from
// outside its widgets: the icon's menu, a taskbar made anew, a second
// quillhost's command line, a settings file whose places are off screen.
#include "host/host_config.h"
#include "host/monitors.h"
#include "host/placement.h"
#include "host/settings_place.h"
#include "host/single_instance.h"
#include "host_fixture.h"

#include <shellapi.h>

using namespace host_test;

namespace {

bool Overlap(const RECT& first, const RECT& second) {
    RECT overlap = {};
    return IntersectRect(&overlap, &first, &second) != FALSE;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

LRESULT HandOver(const std::string& payload) {
    const HWND control = FindWindowExA(HWND_MESSAGE, nullptr, host::kControlWindowClass, nullptr);
    COPYDATASTRUCT data = {host::kCommandLineData, static_cast<DWORD>(payload.size()),
                           const_cast<char*>(payload.data())};
    return SendMessageA(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

}  // namespace

TEST_CASE(host_tray_menu_adds_widgets_at_free_places_hides_and_shows_them_all) {
    const std::string config = FreshConfig();
    rig::InstallBundledSkin("Slim");
    host::HostApp app(ModulePath(), config);
    app.Restore();
    app.ShowTrayIcon();
    ChooseInTray(app, L"Slim", L"Add widget");
    ChooseInTray(app, L"Slim", L"Add widget");
    REQUIRE(app.widgets().size() == 3u);
    // Saved at once, in the skin chosen.
    CHECK_EQ(Read(config, "Quillhost", "Widgets"), std::string("Widget1,Widget2,Widget3"));
    CHECK_EQ(Read(config, "Widget3.Settings", "SkinDir"), std::string("Slim"));
    const RECT area = host::PrimaryWorkArea();
    for (size_t i = 1; i < 3; ++i) {
        CHECK(Inside(app.widgets()[i]->ScreenBounds(), area));
        for (size_t j = 0; j < i; ++j)
            CHECK(!Overlap(app.widgets()[i]->ScreenBounds(), app.widgets()[j]->ScreenBounds()));
    }

    ChooseInTray(app, L"Hide all");
    CHECK(app.widgets()[0]->HiddenBy(host::HideReason::User) && app.widgets()[2]->HiddenBy(host::HideReason::User));
    // A left click on the icon shows them all.
    SendMessageA(app.trayIcon()->window(), host::TrayIcon::kCallbackMessage, 0, MAKELPARAM(NIN_SELECT, 1));
    CHECK(!app.widgets()[0]->HiddenBy(host::HideReason::User) && !app.widgets()[2]->HiddenBy(host::HideReason::User));
    ChooseInTray(app, L"Slim");  // the first Slim widget of the list
    CHECK(app.widgets()[1]->HiddenBy(host::HideReason::User));

    ChooseInTray(app, L"Lock all positions");
    CHECK(app.widgets()[0]->options().locked && app.widgets()[2]->options().locked);
    CHECK_EQ(Read(config, "Widget2", "Locked"), std::string("1"));
    app.Shutdown();
}

namespace {

// A stand-in for the shell's taskbar, which takes the icons' messages: how many came.
int g_iconMessages = 0;

LRESULT CALLBACK FakeTaskbarProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COPYDATA) return DefWindowProcA(window, msg, wParam, lParam);
    ++g_iconMessages;
    return TRUE;
}

}  // namespace

// The shell forgets every icon when the taskbar is made anew; the host offers its own again.
TEST_CASE(host_tray_icon_is_offered_again_to_a_new_taskbar) {
    if (FindWindowA("Shell_TrayWnd", nullptr)) return;  // a real taskbar would take the messages
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &FakeTaskbarProc;
    windowClass.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&windowClass);
    UniqueWindow taskbar(CreateWindowA("Shell_TrayWnd", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
    host::HostApp app(ModulePath(), FreshConfig());
    app.ShowTrayIcon();
    CHECK(app.trayIcon()->shown());
    const int offered = g_iconMessages;
    CHECK(offered > 0);
    SendMessageA(app.trayIcon()->window(), host::TrayIcon::TaskbarCreatedMessage(), 0, 0);
    CHECK(g_iconMessages > offered);
}

TEST_CASE(host_takes_a_second_quillhosts_command_line_and_brings_off_screen_widgets_back) {
    const std::string config = FreshConfig();
    WritePrivateProfileStringA("Quillhost", "Widgets", "Widget1", config.c_str());
    WritePrivateProfileStringA("Widget1", "X", "5000", config.c_str());
    WritePrivateProfileStringA("Widget1", "Y", "-4000", config.c_str());
    host::HostApp app(ModulePath(), config);
    app.Restore();
    CHECK(Inside(app.widgets()[0]->ScreenBounds(), host::PrimaryWorkArea()));
    // The place given stays in the file: the widget goes back there when that monitor does.
    CHECK_EQ(Read(config, "Widget1", "X"), std::string("5000"));

    rig::InstallBundledSkin("Slim");
    CHECK_EQ(HandOver(std::string("--add\0Slim\0", 11)), 1);
    CHECK_EQ(app.widgets().size(), 2u);
    CHECK_EQ(HandOver(std::string("--hide-all\0", 11)), 1);
    CHECK(app.widgets()[1]->HiddenBy(host::HideReason::User));
    CHECK_EQ(HandOver(std::string()), 1);  // no arguments: every widget shown
    CHECK(!app.widgets()[1]->HiddenBy(host::HideReason::User));
    CHECK_EQ(HandOver(std::string("--paint\0", 8)), 0);
    app.Shutdown();
}

// A widget is kept on its monitor: when that monitor comes back elsewhere in
// the arrangement, the widget comes back on it, not where it stood on screen.
TEST_CASE(host_keeps_a_widgets_place_on_its_monitor) {
    const host::KeptPlace place = host::PlaceOn({-1180, 50}, {"\\\\.\\DISPLAY2", {-1280, 0, 0, 1024}});
    CHECK_EQ(place.fromMonitor.x, 100L);
    const std::vector<host::NamedMonitor> movedRight = {{"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}},
                                                        {"\\\\.\\DISPLAY2", {1920, 0, 3200, 1024}}};
    CHECK_EQ(host::CurrentPosition(place, movedRight).x, 2020L);
    CHECK_EQ(host::CurrentPosition(place, movedRight).y, 50L);
    CHECK_EQ(host::CurrentPosition(place, {movedRight[0]}).x, -1180L);  // gone: where it stood

    // Through the settings file, on this machine's own monitor.
    const std::string config = FreshConfig();
    const host::NamedMonitor here = host::MonitorAt({0, 0});
    {
        host::HostConfig settings(config);
        settings.WritePosition("Widget1", {here.bounds.left + 30, here.bounds.top + 40});
        CHECK(settings.Save());
    }
    CHECK_EQ(Read(config, "Widget1", "Monitor"), here.name);
    CHECK_EQ(Read(config, "Widget1", "MonitorX"), std::string("30"));
    WritePrivateProfileStringA("Widget1", "X", "-9000", config.c_str());  // as kept under another arrangement
    const host::HostConfig settings(config);
    CHECK_EQ(settings.ReadPosition("Widget1", {}).x, here.bounds.left + 30);
    CHECK_EQ(settings.ReadPosition("Widget1", {}).y, here.bounds.top + 40);
}

namespace {

constexpr char kTestWindowsKey[] = "Software\\QuillbracketTest\\Windows";

std::string RunEntry() {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, (std::string(kTestWindowsKey) + "\\Run").c_str(), "Quillhost", RRF_RT_REG_SZ,
                 nullptr, value, &size);
    return value;
}

void SetApproved(BYTE first) {
    const BYTE flag[12] = {first};
    RegSetKeyValueA(HKEY_CURRENT_USER, (std::string(kTestWindowsKey) + "\\Explorer\\StartupApproved\\Run").c_str(),
                    "Quillhost", REG_BINARY, flag, sizeof flag);
}

}  // namespace

// The check mark follows the system's startup settings, which may turn the entry off behind the host's back.
TEST_CASE(host_start_at_login_writes_the_quoted_entry_and_tells_the_truth) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestWindowsKey);
    const host::LoginStart start("C:\\Program Files\\Quill\\quillhost.exe", kTestWindowsKey);
    CHECK(!start.enabled());
    CHECK(start.Set(true));
    CHECK_EQ(RunEntry(), std::string("\"C:\\Program Files\\Quill\\quillhost.exe\""));
    CHECK(start.enabled());
    SetApproved(3);  // turned off in the system's startup settings
    CHECK(!start.enabled());
    CHECK(start.Set(true));
    CHECK(start.enabled());
    CHECK(start.Set(false));
    CHECK_EQ(RunEntry(), std::string());

    // A portable copy: the marker file beside the program.
    rig::WriteTextFile(rig::WorkFolder() + host::kPortableMarker, "");
    const host::LoginStart portable(rig::WorkFolder() + "quillhost.exe", kTestWindowsKey);
    CHECK(portable.portable());
    CHECK(!portable.Set(true));
    CHECK_EQ(RunEntry(), std::string());
    DeleteFileA((rig::WorkFolder() + host::kPortableMarker).c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestWindowsKey);
}

// A widget whose skin is missing is told of once, on stderr and in the icon's
// balloon, and marked in the icon's menu; a command to add one is refused.
TEST_CASE(host_tells_of_a_missing_skin_once_and_marks_its_widget_in_the_menu) {
    const std::string config = FreshConfig();
    rig::WriteTextFile(config, "[Quillhost]\r\nWidgets=Widget1,Widget2\r\n[Widget1.Settings]\r\nSkinDir=Gone\r\n"
                               "[Widget2.Settings]\r\nSkinDir=Gone\r\n");
    StderrCapture stderrText;
    host::HostApp app(ModulePath(), config);
    app.Restore();
    app.ShowTrayIcon();
    const std::string told = stderrText.Text();
    CHECK(told.find("\"Gone\"") != std::string::npos);
    CHECK_EQ(told.find("\"Gone\""), told.rfind("\"Gone\""));  // once, for both widgets
    CHECK(app.trayIcon()->balloon().find("\"Gone\"") != std::string::npos);
    UniqueMenu menu(app.TrayMenu());
    CHECK(FindItem(menu.get(), L"Gone (skin broken)") != 0);
    CHECK(!app.RunCommand({"--add", "NoSuchSkin"}));
    CHECK_EQ(app.widgets().size(), 2u);
    // Read anew, on the user's word: still told of once.
    UniqueMenu widgetMenu(app.widgets()[0]->DefaultMenu(1));
    CHECK(FindItem(widgetMenu.get(), L"Reload skin") == 1 + host::WidgetWindow::kReloadSkin);
    CHECK(app.RunCommand({"--reload"}));
    CHECK(app.widgets()[0]->instance() != nullptr);
    CHECK_EQ(stderrText.Text().find("\"Gone\""), stderrText.Text().rfind("\"Gone\""));
    app.Shutdown();
}
