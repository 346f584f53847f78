// Every entry point of one loaded copy of the module, driven on a window of
// the test's own class whose timers reach that copy: for hosts that lack
// some or all of the host functions.
#pragma once

#include "core/timer_ids.h"
#include "proof_player_scene.h"

#include <prsht.h>

namespace proof {

struct Target {
    const rig::Module* module = nullptr;
    void* instance = nullptr;
};

inline Target& CurrentTarget() {
    static Target target;
    return target;
}

inline LRESULT CALLBACK ProofWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Target& target = CurrentTarget();
    if (msg == WM_TIMER && target.instance) {
        target.module->OnProcessMessage(target.instance, window, msg, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

inline HWND NewProofWindow() {
    static const ATOM windowClass = [] {
        WNDCLASSA description = {};
        description.lpfnWndProc = ProofWindowProc;
        description.hInstance = GetModuleHandleA(nullptr);
        description.lpszClassName = "QuillProofWidget";
        return RegisterClassA(&description);
    }();
    (void)windowClass;
    return CreateWindowExA(WS_EX_TOOLWINDOW, "QuillProofWidget", "widget", WS_POPUP, 200, 150, 300, 120, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Everything a host and a person can do to one widget of the given module copy.
inline void DriveEveryEntryPoint(const rig::Module& module, sim::Player& player, const std::string& settings) {
    rig::ModalDriver driver;
    driver.ChooseInNextMenu(1000);
    const std::string music = rig::WorkFolder() + "music.mp3";
    driver.ChooseInNextFileDialog(std::wstring(music.begin(), music.end()));
    const HWND window = NewProofWindow();
    void* instance = module.OnCreate(window, module.handle, settings.c_str(), "W");
    REQUIRE(instance != nullptr);
    CurrentTarget() = {&module, instance};
    const auto tick = [&](WPARAM id) { module.OnProcessMessage(instance, window, WM_TIMER, id, 0); };
    const auto click = [&](int x, int y) {
        POINT point = {x, y};
        SIZE size = {300, 120};
        module.OnLeftButtonClick(instance, &point, &size);
    };
    tick(kPollTimerId);
    module.OnMouseOn(instance);
    for (int x = 0; x < 300; x += 30) module.OnMouseMove(instance, x, 60);
    tick(kScrollTimerId);
    module.OnMouseOut(instance);
    for (int button = 0; button < kButtons; ++button)
        if (button != kQuit) click(25 * button + 10, kButtonTop + 9);
    for (POINT pane : {POINT{50, 10}, POINT{125, 10}, POINT{75, 29}, POINT{40, 48}, POINT{130, 48}})
        click(pane.x, pane.y);
    module.OnMouseWheelForward(instance, 0, 1, 0, 0);
    module.OnMouseWheelBackward(instance, 0, 1, 0, 0);
    POINT corner = {1, 1};
    SIZE size = {300, 120};
    module.OnRightButtonClick(instance, &corner, &size);
    auto files = rig::HDropDataObject::Make({L"C:\\music\\dropped.mp3", L"C:\\art\\cover.png"});
    POINTL point = {10, 10};
    DWORD effect = DROPEFFECT_COPY;
    module.OnDragEnter(instance, files.Get(), 0, point, &effect);
    module.OnDrop(instance, files.Get(), 0, point, &effect);
    module.OnDragLeave(instance);
    player.clock().Advance(5000);
    tick(kPollTimerId);
    module.OnAddPropertySheets(instance, 0);
    // A host destroys the pages it was given when its dialog does not run.
    for (HPROPSHEETPAGE page : rig::RecordingHost::Get().Widget(window).pages) DestroyPropertySheetPage(page);
    module.OnSave(instance, (rig::WorkFolder() + "saved.ini").c_str(), "W", FALSE);
    click(25 * kQuit + 10, kButtonTop + 9);
    CurrentTarget() = {};
    module.OnDestroy(instance, window);
    DestroyWindow(window);
    rig::RecordingHost::Get().Forget(window);
}

}  // namespace proof
