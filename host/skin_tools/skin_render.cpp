// The player runs on a hand-driven clock and the widget is given its timer
// ticks directly, so the same request always gives the same picture.
#include "host/skin_tools/skin_render.h"

#include "host/host_app.h"
#include "host/player_choice.h"
#include "host/png_writer.h"
#include "sim/player.h"

#include <cstdio>

namespace host {
namespace {

constexpr UINT_PTR kPollTimer = 285772;
constexpr long kVolume = 70;

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A settings file that holds one widget on the skin; gone with the object.
class RenderSettings {
public:
    explicit RenderSettings(const std::string& skin) {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path_ = std::string(folder) + "quillhost-render-" + std::to_string(GetCurrentProcessId()) + ".ini";
        DeleteFileA(path_.c_str());
        WritePrivateProfileStringA("Quillhost", "Widgets", "Widget1", path_.c_str());
        WritePrivateProfileStringA(HostConfig::SettingsGroup("Widget1").c_str(), "SkinDir", skin.c_str(), path_.c_str());
    }
    ~RenderSettings() { DeleteFileA(path_.c_str()); }
    RenderSettings(const RenderSettings&) = delete;
    RenderSettings& operator=(const RenderSettings&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void Tick(WidgetWindow& widget) {
    SendMessageA(widget.window(), WM_TIMER, kPollTimer, 0);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

int Fail(const std::string& why) {
    std::fprintf(stderr, "quillhost: %s\n", why.c_str());
    return 1;
}

}  // namespace

int RenderSkin(const RenderRequest& request) {
    const std::string module = FullPath(request.modulePath);
    const std::string skins = module.substr(0, module.find_last_of("\\/") + 1) + "skins\\";
    if (!FileExists(skins + request.skin + "\\skin.ini")) return Fail("there is no skin " + skins + request.skin);

    SimulatedPlayerSession session;
    sim::Player& player = sim::Player::Get();
    player.clock().UseManualTime();
    if (request.track < 1 || request.track > player.TrackCount())
        return Fail("--track takes 1 to " + std::to_string(player.TrackCount()));
    player.SetCurrentTrack(request.track - 1);
    player.SetVolume(kVolume);
    player.SetPlaying(true);
    player.SetPosition(request.seconds);

    const RenderSettings settings(request.skin);
    HostApp app(module, settings.path());
    if (!app.ModuleLoaded()) return Fail("cannot load " + module);
    app.Restore();
    if (app.widgets().empty()) return Fail("the widget could not be created");
    WidgetWindow& widget = *app.widgets().front();
    Tick(widget);
    if (request.paused) {
        player.Pause();
        Tick(widget);
    }
    const bool saved = SavePng(*widget.Snapshot(), request.outFile);
    app.Shutdown();
    if (!saved) return Fail("could not write " + request.outFile);
    std::printf("%s\n", request.outFile.c_str());
    std::fflush(stdout);
    return 0;
}

}  // namespace host
