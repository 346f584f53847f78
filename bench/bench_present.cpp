// What quillhost spends putting a widget's frame on screen: composing what
// changed and presenting it, per frame, for each bundled skin, playing (one
// tick a second) and with the pointer over a title that scrolls. The module's
// ticks run untimed; the present they asked for is timed as the message loop
// runs it. Beside them, the least any present of a window that size costs
// here: the system's own update of a layered window with one pixel changed,
// which no host can go below. Median and quartiles in microseconds.
// Run: make bench (on a display).
#include "bench/timing.h"
#include "core/timer_ids.h"
#include "host/present_surface.h"
#include "host/widget_window.h"
#include "host_fixture.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFrames = 400;
const char* const kBundledSkins[] = {"Default", "Slim", "SlimExpanded", "Tower"};

// Frames presented after one tick of the timer each, and how long each present took.
std::vector<double> FramesAfterTicks(host::WidgetWindow& widget, UINT_PTR timer, sim::Player& player, int stepMs) {
    std::vector<double> times;
    for (int tick = 0; tick < kFrames; ++tick) {
        player.clock().Advance(stepMs);
        const int before = widget.framesPresented();
        SendMessageA(widget.window(), WM_TIMER, timer, 0);
        MSG msg;
        const double time = TimedMicroseconds([&] {
            constexpr UINT present = host::WidgetWindow::kPresentMessage;
            if (PeekMessageA(&msg, widget.window(), present, present, PM_REMOVE)) DispatchMessageA(&msg);
        });
        if (widget.framesPresented() == before + 1) times.push_back(time);
    }
    return times;
}

// Updates of a bare layered window of that size, one pixel changed each time.
std::vector<double> BareUpdates(SIZE size) {
    const UniqueWindow window(CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 100, 100,
                                              size.cx, size.cy, nullptr, nullptr, nullptr, nullptr));
    host::PresentSurface surface;
    bool made = false;
    UINT32* pixels = surface.PixelsFor(size, made);
    REQUIRE(window && pixels);
    std::fill(pixels, pixels + size.cx * size.cy, 0x80404040u);
    surface.Show(window.get(), 255, nullptr);
    ShowWindow(window.get(), SW_SHOWNA);
    rig::PumpFor(100);
    const RECT onePixel = {0, 0, 1, 1};
    std::vector<double> times;
    for (int frame = 0; frame < kFrames; ++frame) {
        pixels[0] ^= 0x00010101u;
        times.push_back(TimedMicroseconds([&] { surface.Show(window.get(), 255, &onePixel); }));
    }
    return times;
}

void PrintFrames(const char* skin, const char* what, const std::vector<double>& times) {
    if (times.empty()) {
        std::printf("%-13s %-10s no frame presented\n", skin, what);
        return;
    }
    std::printf("%-13s %-10s %8.1f us  (%.1f to %.1f)  %zu frames\n", skin, what, Quantile(times, 0.5),
                Quantile(times, 0.25), Quantile(times, 0.75), times.size());
}

}  // namespace

TEST_CASE(present_benchmark) {
    sim::Player& player = rig::RunningPlayer();
    player.SetCurrentTrack(0);
    player.TrackAt(0)->artist = L"The Lantern Society and the Harbour Light Orchestra, live";
    rig::TheModule();  // puts the module into the work folder
    host::ModuleLibrary module(rig::WorkFolder() + "Quillbracket.dll");
    REQUIRE(module.loaded());
    host_test::NoOwner owner;

    std::printf("quillhost, compose + present per frame: median (quartiles)\n");
    for (const char* skin : kBundledSkins) {
        rig::InstallBundledSkin(skin);
        const std::string ini = rig::WorkFolder() + "present.ini";
        rig::WriteTextFile(ini, std::string("[W]\nSkinDir=") + skin + "\nAutoHideiTunes=1\n");
        player.SetPlaying(true);
        host::WidgetWindow widget(module, owner, POINT{100, 100});
        widget.CreateInstance(ini.c_str(), "W");
        rig::PumpFor(200);
        PrintFrames(skin, "playing", FramesAfterTicks(widget, kPollTimerId, player, 1000));
        SendMessageA(widget.window(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));  // the title starts to scroll
        PrintFrames(skin, "scrolling", FramesAfterTicks(widget, kScrollTimerId, player, 100));
        const RECT bounds = widget.ScreenBounds();
        PrintFrames(skin, "bare", BareUpdates({bounds.right - bounds.left, bounds.bottom - bounds.top}));
    }
    std::printf("bare: the system's update of a layered window of the widget's size, one pixel changed\n");
}
