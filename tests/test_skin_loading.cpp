// Loading skins through the real module: size, layers, pause image and
// skin folders that are broken or hostile.
#include "rig/rig.h"

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

// A settings file that selects the skin.
std::string Settings(const std::string& skin) {
    const std::string ini = rig::WorkFolder() + "settings_" + skin + ".ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + skin + "\n");
    return ini;
}

std::string HoverTo(const std::string& skin, const std::string& extra = "") {
    return "[ChangeSkinHotSpots]\nCount=1\n[ChangeSkinHotSpot-1]\nLeft=0\nTop=0\nWidth=50\nHeight=50\nType=hover\n"
           "NewSkinName=" + skin + "\n" + extra;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Arguments of the last layer-visibility call before the pause image is set.
std::string PauseVisibilityAtLoad() {
    std::string last;
    for (const rig::HostCallRecord& call : rig::RecordingHost::Get().calls) {
        if (call.name == "DeskletLayerSetVisibility") last = call.args;
        if (call.name == "DeskletLayerSetImageFile" && call.args.find("pause.png") != std::string::npos) return last;
    }
    return "";
}

// Highest committed memory of the process so far, in MiB.
double PeakMegabytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return double(counters.PeakPagefileUsage) / (1 << 20);
}

}  // namespace

TEST_CASE(folder_without_skin_ini_loads_every_default) {
    std::filesystem::create_directories(rig::WorkFolder() + "skins\\NoIni\\images");
    rig::Widget widget(Settings("NoIni").c_str(), "W");
    CHECK_EQ(widget.host().size.cx, 266);
    CHECK_EQ(widget.host().size.cy, 108);
    CHECK_EQ(widget.host().position.x, 200);
    CHECK(widget.host().layers.Named("Quillbracket.AlbumArt") == nullptr);
    const host::Layer* pause = widget.host().layers.Named("Quillbracket.Pause_Button");
    REQUIRE(pause != nullptr);
    // Nothing to hit: the button and display areas are empty.
    CHECK(SameRect(pause->placement, RECT{0, 0, 0, 0}));
    CHECK(SameRect(widget.host().layers.Named("Quillbracket.Info")->placement, RECT{0, 0, 0, 0}));
    CHECK_EQ(PauseVisibilityAtLoad(), std::string("1, 0, 1"));
}

TEST_CASE(background_size_moves_the_widget_at_its_corner_and_scales_layers) {
    rig::MakeSkin("Wide", "[Bg]\nWidth=300\nHeight=120\n[DisplayPane]\nLeft=10\nTop=5\nWidth=100\nHeight=40\n");
    rig::Widget widget(Settings("Wide").c_str(), "W");
    CHECK_EQ(widget.host().size.cx, 300);
    CHECK_EQ(widget.host().size.cy, 120);
    CHECK_EQ(widget.host().position.x, 200);
    CHECK_EQ(widget.host().position.y, 150);
    const host::Layer* info = widget.host().layers.Named("Quillbracket.Info");
    REQUIRE(info != nullptr);
    CHECK(SameRect(info->placement, RECT{10, 5, 110, 45}));
    CHECK_EQ(info->xScale, 300);
    CHECK_EQ(info->yScale, 120);
}

TEST_CASE(every_load_rebuilds_the_layers_and_album_art_follows_show) {
    const std::string art = "[AlbumArt]\nShow=1\nLeft=4\nTop=4\nWidth=40\nHeight=40\n";
    rig::MakeSkin("ArtA", art + HoverTo("ArtB"));
    rig::MakeSkin("ArtB", art + HoverTo("NoArt"));
    rig::MakeSkin("NoArt", "[AlbumArt]\nShow=0\n");
    rig::Widget widget(Settings("ArtA").c_str(), "W");
    bool found = false;
    CHECK_EQ(widget.host().layers.Find("Quillbracket.AlbumArt", &found), 1u);
    CHECK(found);

    rig::RecordingHost::Get().ClearCalls();
    widget.MouseMove(10, 10);
    CHECK_EQ(rig::RecordingHost::Get().Count("DeskletLayerRemove"), size_t{3});
    CHECK_EQ(rig::RecordingHost::Get().Count("DeskletLayerAdd"), size_t{3});
    CHECK_EQ(widget.host().layers.Find("Quillbracket.AlbumArt", &found), 1u);

    widget.MouseMove(10, 10);
    CHECK(widget.host().layers.Named("Quillbracket.AlbumArt") == nullptr);
    widget.PollTick();
    CHECK(widget.host().layers.Named("Quillbracket.AlbumArt") == nullptr);
}

TEST_CASE(pause_layer_stays_hidden_while_a_switch_animates) {
    rig::MakeSkin("Still", HoverTo("Animated", "EasyAnimationFramesCount=1\nEasyAnimationFrame1=frame.png\n"));
    rig::MakeSkin("Animated", "");
    rig::Widget widget(Settings("Still").c_str(), "W");
    rig::RecordingHost::Get().ClearCalls();
    widget.MouseMove(10, 10);
    CHECK_EQ(PauseVisibilityAtLoad(), std::string("1, 0, 0"));
}

TEST_CASE(empty_skin_name_reads_the_skins_folder_itself) {
    rig::WriteTextFile(rig::WorkFolder() + "skins\\skin.ini", "[Bg]\nWidth=222\nHeight=99\n");
    rig::Widget widget(Settings("").c_str(), "W");
    CHECK_EQ(widget.host().size.cx, 222);
    const auto loads = rig::RecordingHost::Get().Named("DeskletLayerSetImageFile");
    REQUIRE(!loads.empty());
    const std::string& path = loads.front().args;
    const std::string tail = "\\skins\\images\\pause.png";
    CHECK(path.size() > tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0);
    std::filesystem::remove(rig::WorkFolder() + "skins\\skin.ini");
}

TEST_CASE(hostile_skins_load_quickly_with_bounded_memory) {
    std::string huge = "[ExtraInfos]\nCount=2000000000\n[ChangeSkinHotSpots]\nCount=2000000000\n"
                       "[Font]\nSize=2000000000\n[CounterFont]\nSize=-40\n[DisplayPane]\nWidth=200\nHeight=60\n"
                       "[InfoPane]\nWidth=200\nHeight=20\n";
    for (int n = 1; n <= 300; ++n)
        huge += "[ChangeSkinHotSpot-" + std::to_string(n) + "]\nEasyAnimationFramesCount=2000000000\n";
    rig::MakeSkin("Huge", huge);
    const double before = PeakMegabytes();
    const auto start = std::chrono::steady_clock::now();
    {
        rig::Widget widget(Settings("Huge").c_str(), "W");
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double megabytes = PeakMegabytes() - before;
    std::printf("  huge-count skin: %.3f s, peak memory grew by %.1f MiB\n", seconds, megabytes);
    CHECK(seconds < 2.0);
    CHECK(megabytes < 64.0);

    std::string garbage(3 << 20, '\0');
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = char((i * 2654435761u) >> 13);
    garbage.replace(1000, 100000, std::string(100000, 'x'));
    rig::MakeSkin("Garbage", "[Bg]\nWidth=-5\nHeight=0\n" + garbage);
    rig::Widget widget(Settings("Garbage").c_str(), "W");
    CHECK(widget.instance() != nullptr);
}
