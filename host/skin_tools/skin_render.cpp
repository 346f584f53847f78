// The player runs on a hand-driven clock and the widget is given its timer
// ticks directly, so the same request always gives the same picture. The
// widget and the player need windows of their own (hidden), so a system that
// cannot make windows cannot render; a picture that is not the skin's is
// refused rather than saved.
#include "host/skin_tools/skin_render.h"

#include "host/host_app.h"
#include "host/player_choice.h"
#include "host/png_writer.h"
#include "platform/win_owners.h"
#include "sim/player.h"
#include "skin/ini_file.h"

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
        WritePrivateProfileStringA(HostConfig::SettingsGroup("Widget1").c_str(), "SkinDir", skin.c_str(),
                                   path_.c_str());
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

// Under Wine without a display (and without the null graphics driver) no
// top-level window can be made: neither the player's nor the widget's.
bool CanMakeWindows() {
    const UniqueWindow probe(
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    return probe.get() != nullptr;
}

std::string SizeText(SIZE size) { return std::to_string(size.cx) + " x " + std::to_string(size.cy); }

// The size the module gives the widget: [Bg] as its reader reads it.
SIZE SkinSize(const std::string& skinIni) {
    const IniFile ini = IniFile::Load(skinIni);
    return {ini.ReadInt("Bg", "Width", 266), ini.ReadInt("Bg", "Height", 108)};
}

bool WhollyTransparent(Gdiplus::Bitmap& frame) {
    Gdiplus::BitmapData data = {};
    const Gdiplus::Rect all(0, 0, INT(frame.GetWidth()), INT(frame.GetHeight()));
    if (frame.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return true;
    bool clear = true;
    for (UINT y = 0; clear && y < data.Height; ++y) {
        const auto* row = reinterpret_cast<const UINT32*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        for (UINT x = 0; clear && x < data.Width; ++x) clear = (row[x] >> 24) == 0;
    }
    frame.UnlockBits(&data);
    return clear;
}

}  // namespace

int RenderSkin(const RenderRequest& request) {
    const std::string module = FullPath(request.modulePath);
    const std::string skins = module.substr(0, module.find_last_of("\\/") + 1) + "skins\\";
    const std::string skinIni = skins + request.skin + "\\skin.ini";
    if (!FileExists(skinIni)) return Fail("there is no skin " + skins + request.skin);
    if (!CanMakeWindows())
        return Fail(
            "cannot draw the widget: no window can be made here, so there is no display to draw on. Run it "
            "on a display, or under Wine in a prefix whose graphics driver is null "
            "(HKCU\\Software\\Wine\\Drivers, Graphics=null)");

    SimulatedPlayerSession session;
    sim::Player& player = sim::Player::Get();
    if (!player.Running()) return Fail("the simulated player could not start: the widget would say it is not loaded");
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
    if (app.widgets().empty() || !app.widgets().front()->instance()) return Fail("the widget could not be created");
    WidgetWindow& widget = *app.widgets().front();
    Tick(widget);
    if (request.paused) {
        player.Pause();
        Tick(widget);
    }
    const std::unique_ptr<Gdiplus::Bitmap> frame = widget.Snapshot();
    const SIZE size = widget.Size(), wanted = SkinSize(skinIni);
    if (size.cx != wanted.cx || size.cy != wanted.cy)
        return Fail("the widget is " + SizeText(size) + ", not the skin's " + SizeText(wanted) +
                    " ([Bg] Width and Height): no picture written; quillhost --check-skin " + request.skin +
                    " tells what is wrong");
    if (WhollyTransparent(*frame))
        return Fail("nothing of the " + SizeText(size) +
                    " widget was drawn, every pixel is transparent: no picture "
                    "written; is images/bg.png there and not transparent?");
    const bool saved = SavePng(*frame, request.outFile);
    app.Shutdown();
    if (!saved) return Fail("could not write " + request.outFile);
    std::printf("%s\n", request.outFile.c_str());
    std::fflush(stdout);
    return 0;
}

}  // namespace host
