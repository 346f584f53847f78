// quillhost: shows the widget module's widgets on the desktop.
//   quillhost [--config FILE] [--player auto|sim|real|mpris] [--bridge-session FILE] [--module FILE]
//             [--demo-script FOLDER] [--add SKIN | --show-all | --hide-all | --reload | --exit]
//   quillhost --help
//   quillhost --render-skin NAME --out FILE.png [--track N] [--at SECONDS] [--paused] [--module FILE]
//   quillhost --check-skin NAME [--module FILE]
//   quillhost --new-skin NAME [--module FILE]
#include "bridge/windows/player_session.h"
#include "bridge/windows/session_reader.h"
#include "host/demo_script.h"
#include "host/host_app.h"
#include "host/player_choice.h"
#include "host/settings_place.h"
#include "host/single_instance.h"
#include "host/skin_tools/skin_check.h"
#include "host/skin_tools/skin_render.h"
#include "host/skin_tools/skin_starter.h"
#include "host/skin_watch.h"
#include "platform/win_owners.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string config;  // as --config names it; none: where settings_place.h says
    std::string module;
    std::string player = "auto";
    std::string bridgeSession;
    std::string demoFolder;
    std::string checkSkin;
    std::optional<std::string> newSkin;
    host::RenderRequest render;
    // Commands for the running host, handed over when one runs.
    std::vector<std::string> commands;
    bool help = false;
    bool valid = true;
};

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

std::string ExeFolder() {
    const std::string program = ProgramPath();
    return program.substr(0, program.find_last_of("\\/") + 1);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    options.module = ExeFolder() + "Quillbracket.dll";
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--config") == 0 && hasValue)
            options.config = argv[++i];
        else if (std::strcmp(argv[i], "--module") == 0 && hasValue)
            options.module = argv[++i];
        else if (std::strcmp(argv[i], "--player") == 0 && hasValue)
            options.player = argv[++i];
        else if (std::strcmp(argv[i], "--bridge-session") == 0 && hasValue)
            options.bridgeSession = argv[++i];
        else if (std::strcmp(argv[i], "--demo-script") == 0 && hasValue)
            options.demoFolder = argv[++i];
        else if (std::strcmp(argv[i], "--check-skin") == 0 && hasValue)
            options.checkSkin = argv[++i];
        else if (std::strcmp(argv[i], "--new-skin") == 0 && hasValue)
            options.newSkin = argv[++i];
        else if (std::strcmp(argv[i], "--render-skin") == 0 && hasValue)
            options.render.skin = argv[++i];
        else if (std::strcmp(argv[i], "--out") == 0 && hasValue)
            options.render.outFile = argv[++i];
        else if (std::strcmp(argv[i], "--track") == 0 && hasValue)
            options.render.track = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--at") == 0 && hasValue)
            options.render.seconds = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--paused") == 0)
            options.render.paused = true;
        else if (std::strcmp(argv[i], "--add") == 0 && hasValue && options.commands.empty())
            options.commands = {argv[i], argv[i + 1]}, ++i;
        else if ((std::strcmp(argv[i], "--show-all") == 0 || std::strcmp(argv[i], "--hide-all") == 0 ||
                  std::strcmp(argv[i], "--reload") == 0 || std::strcmp(argv[i], "--exit") == 0) &&
                 options.commands.empty())
            options.commands = {argv[i]};
        else if (std::strcmp(argv[i], "--help") == 0)
            options.help = true;
        else
            options.valid = false;
    }
    if (options.player != "auto" && options.player != "sim" && options.player != "real" && options.player != "mpris")
        options.valid = false;
    if (options.render.skin.empty() != options.render.outFile.empty()) options.valid = false;
    options.render.modulePath = options.module;
    return options;
}

// A windowed program has no console of its own: borrow the one it was started from.
void AttachParentConsole() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((output == nullptr || output == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}

constexpr char kUsage[] =
    "usage: quillhost [--config FILE] [--player auto|sim|real|mpris] [--bridge-session FILE]\n"
    "                 [--module FILE] [--demo-script FOLDER]\n"
    "       quillhost --add SKIN     adds a widget in that skin\n"
    "       quillhost --show-all     shows every widget (also what quillhost does when it runs already)\n"
    "       quillhost --hide-all     hides every widget\n"
    "       quillhost --reload       reads every widget's skin anew from its folder\n"
    "       quillhost --exit         ends the running quillhost\n"
    "       quillhost --render-skin NAME --out FILE.png [--track N] [--at SECONDS] [--paused]\n"
    "       quillhost --check-skin NAME\n"
    "       quillhost --new-skin NAME  makes skins/NAME, a small skin to make your own from\n"
    "One quillhost runs in a session: a second one hands its command to it and ends.\n"
    "Settings: %APPDATA%\\Quillbracket\\quillhost.ini; beside quillhost.exe for a portable copy\n"
    "(a file named quillhost.portable there); --config FILE for any other.\n";

std::string SettingsFile(const Options& options) {
    return options.config.empty() ? host::SettingsFileFor(ProgramPath(), host::RoamingAppData()) : options.config;
}

}  // namespace

int main(int argc, char** argv) {
    AttachParentConsole();
    const Options options = ParseOptions(argc, argv);
    if (options.help) {
        std::fputs(kUsage, stdout);
        std::printf("This copy's settings: %s\n", host::FullPath(SettingsFile(options)).c_str());
        return 0;
    }
    if (!options.valid) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    OleSession ole;
    GdiplusSession gdiplus;
    if (!ole.ok() || !gdiplus.ok()) {
        std::fprintf(stderr, "quillhost: OLE or GDI+ did not start\n");
        return 1;
    }
    // The skin tools, and --add, look at the skins beside the module.
    const std::string module = host::FullPath(options.module);
    const std::string skins = module.substr(0, module.find_last_of("\\/") + 1) + "skins\\";
    if (options.commands.size() == 2 && options.commands[0] == "--add" &&
        !host::SkinExists(skins, options.commands[1])) {
        std::string names;
        for (const std::string& name : host::SkinsIn(skins)) names += (names.empty() ? "" : ", ") + name;
        std::fprintf(stderr, "quillhost: there is no skin \"%s\" in %s; the skins there are: %s\n",
                     options.commands[1].c_str(), skins.c_str(), names.empty() ? "none" : names.c_str());
        return 2;
    }
    if (!options.checkSkin.empty() || options.newSkin) {
        return options.newSkin ? host::NewSkin(skins, *options.newSkin) : host::RunSkinCheck(skins, options.checkSkin);
    }
    if (!options.render.skin.empty()) return host::RenderSkin(options.render);

    // The demo runs beside a host of the session's; anything else joins the one running.
    const bool demo = !options.demoFolder.empty();
    const host::InstanceLock instance;
    if (!demo && !instance.first()) {
        if (host::HandToRunningHost(options.commands)) return 0;
        std::fprintf(stderr, "quillhost: the running quillhost did not take the command\n");
        return 1;
    }
    // Nothing runs that could be ended.
    if (options.commands == std::vector<std::string>{"--exit"}) return 0;

    // The demo always runs on the simulated player, so that it shows the same everywhere.
    const std::wstring bridgeSession = bridge::windows::SessionPathFor(options.bridgeSession);
    const host::PlayerDecision player = demo ? host::PlayerDecision{host::PlayerChoice::Simulated, "the demo's own"}
                                             : host::ChoosePlayer(options.player, bridgeSession);
    std::printf("quillhost: player: %s (%s)\n", host::PlayerName(player.choice), player.reason.c_str());
    std::fflush(stdout);
    std::unique_ptr<host::SimulatedPlayerSession> simulated;
    std::unique_ptr<bridge::windows::PlayerSession> bridge;
    if (player.choice == host::PlayerChoice::Simulated) simulated = std::make_unique<host::SimulatedPlayerSession>();
    if (player.choice == host::PlayerChoice::Bridge) {
        bridge = std::make_unique<bridge::windows::PlayerSession>(bridgeSession);
        if (!bridge->registered())
            std::fprintf(stderr, "quillhost: the player bridge could not register the player's class\n");
        // The widgets look for the player's window as they are made.
        bridge->AwaitReady(std::chrono::milliseconds(bridge::windows::kReplyDueMs));
    }

    // The demo keeps its own settings beside its pictures, fresh every run.
    std::string config = SettingsFile(options);
    if (options.config.empty() && !demo) config = host::TakeOverSettings(config, ProgramPath());
    if (demo) {
        std::error_code ignored;
        std::filesystem::create_directories(options.demoFolder, ignored);
        config = options.demoFolder + "/demo.ini";
        DeleteFileA(config.c_str());
    }
    host::HostApp app(options.module, config);
    if (!app.ModuleLoaded()) {
        std::fprintf(stderr, "quillhost: cannot load %s\n", options.module.c_str());
        return 1;
    }
    if (demo) return host::RunDemoScript(app, options.demoFolder);
    if (bridge) app.OfferPlayerMenu(&bridge->menu());
    app.Restore();
    app.WatchSkinFolders();
    const host::LoginStart loginStart(ProgramPath());
    app.OfferLoginStart(&loginStart);
    app.ShowTrayIcon();
    if (!options.commands.empty()) app.RunCommand(options.commands);
    const int result = app.Run();
    app.Shutdown();
    return result;
}
