// Malformed skins of every kind: each is loaded, drawn, clicked all over,
// hovered and left, within a time bound per case and with the process's
// resources flat from the first cases to the last.
#include "input_fixture.h"
#include "proof_figures.h"
#include "proof_watchdog.h"
#include "rig/bad_skins.h"
#include "rig/modal_driver.h"

#include <algorithm>
#include <climits>

namespace {

constexpr char kSkin[] = "Proof";
constexpr char kOther[] = "ProofOther";

std::string Settings(const std::string& skinDir) {
    const std::string ini = rig::WorkFolder() + "proof.ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + skinDir + "\n");
    return ini;
}

void StartPlaying(sim::Player& player) {
    player.SetCurrentTrack(0);
    player.SetArtwork(0, true);
    player.SetPlaying(true);
}

// Every input a person and the timers can give, over the whole widget.
void Exercise(const rig::Widget& widget) {
    widget.PollTick();
    widget.ScrollTick();
    const SIZE size = widget.host().size;
    const int width = std::clamp<int>(size.cx, 1, 400);
    const int height = std::clamp<int>(size.cy, 1, 400);
    for (int gx = 0; gx <= 8; ++gx)
        for (int gy = 0; gy <= 5; ++gy) widget.Click(gx * width / 8, gy * height / 5);
    widget.Click(INT_MIN, INT_MAX);
    widget.Click(-1, -1);
    widget.MouseOn();
    for (int gx = 0; gx <= 8; ++gx)
        for (int gy = 0; gy <= 5; ++gy) widget.MouseMove(gx * width / 8, gy * height / 5);
    widget.MouseMove(INT_MAX, INT_MIN);
    widget.ScrollTick();
    widget.MouseOut();
    widget.WheelForward();
    widget.WheelBackward();
    widget.PollTick();
}

}  // namespace

TEST_CASE(every_malformed_skin_is_survived_in_bounded_time_and_memory) {
    proof::WatchModule();
    input_test::PlayerScene scene;
    StartPlaying(scene.player());
    rig::ModalDriver dialogs;  // a toggle or stray click may open a window: answer it
    const rig::BadSkin good{"good", rig::GoodSkinText(kOther)};
    rig::InstallBadSkin(kSkin, good);
    rig::InstallBadSkin(kOther, {"bounce", rig::BounceBackSkinText(kSkin)});
    const std::string settings = Settings(kSkin);
    const std::vector<rig::BadSkin> cases = rig::BadSkinCases();
    std::printf("  %zu malformed skins\n", cases.size());
    CHECK(cases.size() >= 500);

    proof::Watchdog watchdog(20000);
    proof::Figures start;
    const DWORD began = GetTickCount();
    for (size_t n = 0; n < cases.size(); ++n) {
        const rig::BadSkin& skin = cases[n];
        watchdog.Begin(skin.label.c_str());
        if (skin.images == rig::BadSkin::Images::Good)
            rig::WriteTextFile(rig::WorkFolder() + "skins\\" + kSkin + "\\skin.ini", skin.iniText);
        else
            rig::InstallBadSkin(kSkin, skin);
        {
            rig::Widget widget(settings.c_str(), "W");
            REQUIRE(widget.instance() != nullptr);
            Exercise(widget);
        }
        if (skin.images != rig::BadSkin::Images::Good) rig::InstallBadSkin(kSkin, good);
        if (!scene.player().Running()) scene.player().Start(false);
        StartPlaying(scene.player());
        scene.player().calls().Clear();
        rig::RecordingHost::Get().ClearCalls();
        watchdog.End();
        // Caches of the system fill during the first cases; growth counts from here.
        if (n == 20) start = proof::Measure();
    }
    const proof::Figures end = proof::Measure();
    std::printf("  %zu cases in %.1f s, longest case %lu ms, %d windows answered\n", cases.size(),
                (GetTickCount() - began) / 1000.0, watchdog.longestMs(), dialogs.unplanned());
    proof::Print("cases 21 to last", start, end);
    proof::CheckNoGrowth(start, end, 16 << 20);
}

TEST_CASE(skin_names_at_and_past_the_buffers_in_the_settings) {
    input_test::PlayerScene scene;
    StartPlaying(scene.player());
    for (size_t length : {259u, 260u, 300u, 5000u}) {
        const std::string ini = rig::WorkFolder() + "names.ini";
        rig::WriteTextFile(ini, "[W]\nSkinDir=" + std::string(length, 'q') + "\n");
        rig::Widget widget(ini.c_str(), "W");
        REQUIRE(widget.instance() != nullptr);
        Exercise(widget);
        CHECK(rig::TheModule().OnSave(widget.instance(), ini.c_str(), "W", FALSE));
        CHECK(rig::ReadTextFile(ini).find(std::string(259, 'q')) != std::string::npos);
        CHECK(rig::ReadTextFile(ini).find(std::string(260, 'q')) == std::string::npos);
    }
}

// Two skins whose hotspots send the widget to each other: every move or
// click switches, for as long as the pointer keeps going, at a flat cost.
TEST_CASE(hotspots_bouncing_between_two_skins_stay_flat) {
    proof::WatchModule();
    input_test::PlayerScene scene;
    StartPlaying(scene.player());
    rig::InstallBadSkin(kSkin, {"good", rig::GoodSkinText(kOther)});
    rig::InstallBadSkin(kOther, {"bounce", rig::BounceBackSkinText(kSkin)});
    rig::Widget widget(Settings(kSkin).c_str(), "W");
    proof::Watchdog watchdog(20000);
    proof::Figures start;
    int switches = 0;
    const DWORD began = GetTickCount();
    for (int round = 0; round < 400; ++round) {
        watchdog.Begin("bounce");
        const size_t loadsBefore = rig::RecordingHost::Get().Count("DeskletLayerAdd");
        widget.MouseMove(5, 95);
        widget.Click(190, 90);
        if (rig::RecordingHost::Get().Count("DeskletLayerAdd") > loadsBefore) ++switches;
        rig::RecordingHost::Get().ClearCalls();
        scene.player().calls().Clear();
        watchdog.End();
        if (round == 50) start = proof::Measure();
    }
    widget.MouseOut();
    const proof::Figures end = proof::Measure();
    std::printf("  400 rounds switched skins in %d of them, %.1f s, longest %lu ms\n", switches,
                (GetTickCount() - began) / 1000.0, watchdog.longestMs());
    proof::Print("rounds 51 to 400", start, end);
    CHECK(switches >= 390);
    proof::CheckNoGrowth(start, end, 8 << 20);
}
