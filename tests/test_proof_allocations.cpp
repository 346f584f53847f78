// No exception reaches the host from any entry point: each entry point and
// both page procedures run with one of their allocations failing, for every
// allocation they make in turn; each call returns, the widget stays usable,
// and everything it held is given back.
#include "proof_figures.h"
#include "proof_player_scene.h"
#include "rig/bad_skins.h"
#include "rig/failing_allocations.h"
#include "rig/settings_sheet.h"

#include <functional>

namespace {

constexpr char kSkin[] = "Proof";

std::string Settings() {
    const std::string ini = rig::WorkFolder() + "allocations.ini";
    rig::WriteTextFile(ini, std::string("[W]\nSkinDir=") + kSkin + "\n");
    return ini;
}

// The well-formed skin's spots (see rig/bad_skins.cpp): its info pane, its
// click hotspot to the other skin and its hover hotspot.
constexpr POINT kInfoPane = {30, 20};
constexpr POINT kClickHotSpot = {190, 90};
constexpr POINT kHoverHotSpot = {10, 95};

struct EntryPoint {
    const char* name;
    std::function<void(rig::Widget&)> prepare;  // run before the failures are armed
    std::function<void(rig::Widget&)> call;
};

void Nothing(rig::Widget&) {}

// After the failed call the widget must still answer everything.
void UseAfterwards(const rig::Widget& widget) {
    widget.PollTick();
    widget.MouseOn();
    widget.ScrollTick();
    widget.MouseMove(kHoverHotSpot.x, kHoverHotSpot.y);
    widget.MouseOut();
    widget.Click(kInfoPane.x, kInfoPane.y);
    widget.WheelForward();
}

}  // namespace

TEST_CASE(every_entry_point_survives_each_of_its_allocations_failing) {
    proof::WatchModule();
    rig::InstallBadSkin(kSkin, {"good", rig::GoodSkinText("ProofOther")});
    rig::InstallBadSkin("ProofOther", {"bounce", rig::BounceBackSkinText(kSkin)});
    rig::WriteTextFile(rig::WorkFolder() + "music.mp3", "ID3");
    const std::string settings = Settings();
    rig::ModalDriver dialogs;  // the menu and any box the module opens are answered
    rig::FailingAllocations failing(rig::TheModule().handle);
    const rig::Module& module = rig::TheModule();

    const auto save = [&](rig::Widget& w) {
        module.OnSave(w.instance(), (rig::WorkFolder() + "saved.ini").c_str(), "W", FALSE);
    };
    const auto drop = [&](rig::Widget& w) {
        auto files = rig::HDropDataObject::Make({L"C:\\music\\dropped.mp3", L"C:\\art\\cover.png"});
        proof::Drop(w, files.Get());
    };
    const auto information = [&](rig::Widget&) {
        char name[64], author[64], description[64];
        int version = 0;
        module.OnGetInformation(name, author, &version, description);
    };
    const auto pages = [&](rig::Widget& w) {
        module.OnAddPropertySheets(w.instance(), 0);
        for (HPROPSHEETPAGE page : w.host().pages) DestroyPropertySheetPage(page);
        w.host().pages.clear();
    };
    const std::vector<EntryPoint> entryPoints = {
        {"OnDestroy", Nothing, [](rig::Widget& w) { w.Destroy(); }},
        {"OnSave", Nothing, save},
        {"OnGetInformation", Nothing, information},
        {"OnProcessMessage (poll)", Nothing, [](rig::Widget& w) { w.PollTick(); }},
        {"OnProcessMessage (scroll)", [](rig::Widget& w) { w.MouseOn(); }, [](rig::Widget& w) { w.ScrollTick(); }},
        {"OnLeftButtonClick (pane)", Nothing, [](rig::Widget& w) { w.Click(kInfoPane.x, kInfoPane.y); }},
        {"OnLeftButtonClick (hotspot)", Nothing, [](rig::Widget& w) { w.Click(kClickHotSpot.x, kClickHotSpot.y); }},
        {"OnRightButtonClick", Nothing, [](rig::Widget& w) { w.RightClick(); }},
        {"OnMouseWheelForward", Nothing, [](rig::Widget& w) { w.WheelForward(); }},
        {"OnMouseWheelBackward", Nothing, [](rig::Widget& w) { w.WheelBackward(); }},
        {"OnMouseMove", Nothing, [](rig::Widget& w) { w.MouseMove(kHoverHotSpot.x, kHoverHotSpot.y); }},
        {"OnMouseOn", Nothing, [](rig::Widget& w) { w.MouseOn(); }},
        {"OnMouseOut",
         [](rig::Widget& w) {
             w.MouseOn();
             w.MouseMove(kHoverHotSpot.x, kHoverHotSpot.y);
         },
         [](rig::Widget& w) { w.MouseOut(); }},
        {"OnDragEnter, OnDrop, OnDragLeave", Nothing, drop},
        {"OnAddPropertySheets", Nothing, pages},
    };

    const proof::Figures start = proof::Measure();
    // Every one of the first allocations fails in turn, then every seventh:
    // the long runs beyond are the same few places over and over.
    const auto sweep = [&](const char* name, const std::function<void(long)>& run) {
        long allocations = 0;
        int failed = 0;
        for (long nth = 1;; nth += nth < 64 ? 1 : 7) {
            sim::Player& player = proof::PlayingPlayer();
            player.SetStartVisible(false);
            run(nth);
            CHECK_EQ(sim::OutstandingReferences(), 0L);
            if (!failing.Failed()) {
                allocations = failing.Counted();
                break;
            }
            ++failed;
        }
        std::printf("  %-34s %5ld allocations, %4d of them failed in turn\n", name, allocations, failed);
        std::fflush(stdout);
    };

    sweep("OnCreate", [&](long nth) {
        failing.Arm(nth);
        rig::Widget widget(settings.c_str(), "W");
        failing.Disarm();
        UseAfterwards(widget);
    });
    for (const EntryPoint& entry : entryPoints) {
        sweep(entry.name, [&](long nth) {
            rig::Widget widget(settings.c_str(), "W");
            REQUIRE(widget.instance() != nullptr);
            entry.prepare(widget);
            failing.Arm(nth);
            entry.call(widget);
            failing.Disarm();
            UseAfterwards(widget);
        });
    }
    // The page procedures: the skin page's initialisation, then Apply on both pages.
    sweep("Skin page shown", [&](long nth) {
        rig::Widget widget(settings.c_str(), "W");
        rig::SettingsSheet sheet(widget);
        failing.Arm(nth);
        sheet.Page(1);
        failing.Disarm();
        UseAfterwards(widget);
    });
    sweep("both pages applied", [&](long nth) {
        rig::Widget widget(settings.c_str(), "W");
        rig::SettingsSheet sheet(widget);
        sheet.Page(1);
        SendMessageA(GetDlgItem(sheet.Page(0), 1003), BM_CLICK, 0, 0);
        failing.Arm(nth);
        SendMessageA(GetDlgItem(GetParent(sheet.Page(0)), 0x3021), BM_CLICK, 0, 0);
        failing.Disarm();
        UseAfterwards(widget);
    });
    const proof::Figures end = proof::Measure();
    proof::Print("across every failed allocation", start, end);
    proof::CheckAllGivenBack(start, end);
}
