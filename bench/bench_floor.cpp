// The least any widget costs on this system: a program that does only what
// every widget must, for bench/cpu_share.sh to measure as it measures
// quillhost. A window timer ticks; with UPDATES_PER_SECOND above 0 it ticks
// that often, and each tick puts a layered window of WIDTH x HEIGHT on screen
// anew with one pixel changed, as a widget's present does at the least.
// Usage: bench_floor WIDTH HEIGHT UPDATES_PER_SECOND SECONDS
#include "host/present_surface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kEndTimer = 2;

// What a tick updates; none when the program only ticks.
struct Updates {
    host::PresentSurface* surface = nullptr;
    UINT32* pixels = nullptr;
};

LRESULT CALLBACK FloorWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER) return DefWindowProcA(window, msg, wParam, lParam);
    if (wParam == kEndTimer) PostQuitMessage(0);
    const auto* updates = reinterpret_cast<const Updates*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (wParam == kTickTimer && updates) {
        static const RECT onePixel = {0, 0, 1, 1};
        updates->pixels[0] ^= 0x00010101u;
        updates->surface->Show(window, 255, &onePixel);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_floor WIDTH HEIGHT UPDATES_PER_SECOND SECONDS\n");
        return 2;
    }
    const SIZE size = {std::clamp(std::atoi(argv[1]), 1, 4000), std::clamp(std::atoi(argv[2]), 1, 4000)};
    const int updatesPerSecond = std::clamp(std::atoi(argv[3]), 0, 100);
    const UINT seconds = static_cast<UINT>(std::clamp(std::atoi(argv[4]), 1, 3600));

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuillbracketFloor";
    RegisterClassA(&windowClass);
    const UniqueWindow window(CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, windowClass.lpszClassName, "floor",
                                              WS_POPUP, 700, 80, size.cx, size.cy, nullptr, nullptr,
                                              windowClass.hInstance, nullptr));
    host::PresentSurface surface;
    bool made = false;
    UINT32* pixels = surface.PixelsFor(size, made);
    if (!window || !pixels) return 1;
    std::fill(pixels, pixels + size.cx * size.cy, 0x80404040u);
    surface.Show(window.get(), 255, nullptr);
    ShowWindow(window.get(), SW_SHOWNA);

    Updates updates = {&surface, pixels};
    if (updatesPerSecond > 0) SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&updates));
    SetTimer(window.get(), kTickTimer, updatesPerSecond > 0 ? 1000 / updatesPerSecond : 1000, nullptr);
    SetTimer(window.get(), kEndTimer, seconds * 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
