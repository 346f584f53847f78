// The album-art layer: fetched from the player once per track name, composed
// with the skin's opacity and overlay, hidden when there is no art.
#include "rig/bstr_count.h"
#include "rig/rig.h"
#include "sim/player.h"

#include <filesystem>

namespace {

constexpr Gdiplus::ARGB kGreen = 0xFF00FF00;
constexpr char kLayer[] = "Quillbracket.AlbumArt";
constexpr int kNightFerry = 12;  // an album without art
constexpr int kMorningTide = 0;
constexpr int kMorningTideLive = 32;  // same name, other album, other art

std::string ArtSkin(const std::string& name, const std::string& albumArtKeys) {
    rig::MakeSkin(name, "[DisplayPane]\nWidth=40\nHeight=40\n[Font]\nColorA=0\n"
                        "[AlbumArt]\nShow=1\nWidth=40\nHeight=40\n" + albumArtKeys);
    const std::string ini = rig::WorkFolder() + name + ".ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=" + name + "\n");
    return ini;
}

std::string ImagePath(const std::string& skin, const std::string& file) {
    return rig::WorkFolder() + "skins\\" + skin + "\\images\\" + file;
}

const host::Layer& ArtLayer(const rig::Widget& widget) {
    const host::Layer* layer = widget.host().layers.Named(kLayer);
    REQUIRE(layer != nullptr);
    return *layer;
}

Gdiplus::ARGB ArtPixel(const rig::Widget& widget, int x, int y) {
    return rig::PixelAt(ArtLayer(widget).image.get(), x, y);
}

int ArtworkRequests(sim::Player& player) { return player.calls().Count("IITTrack.get_Artwork"); }

}  // namespace

TEST_CASE(artwork_is_asked_once_per_track_name_and_references_return) {
    rig::CountBstrsOf(rig::TheModule().handle);
    const long playerStrings = rig::PlayerBstrsOutstanding();
    const long moduleStrings = rig::ModuleBstrsOutstanding();
    {
        rig::PlayerScene running(1, true);
        sim::Player& player = running.player();
        rig::Widget widget(ArtSkin("art", "").c_str(), "W");
        widget.PollTick();
        widget.PollTick();
        CHECK_EQ(ArtworkRequests(player), 1);
        CHECK(ArtLayer(widget).visible);
        CHECK_EQ(rig::AlphaOf(ArtPixel(widget, 2, 2)), 255);
        const auto saves = player.calls().Arguments("IITArtwork.SaveArtworkToFile");
        REQUIRE(saves.size() == 1u);
        const std::string temp = rig::WorkFolder() + "temp";
        CHECK_EQ(saves.front(), std::wstring(temp.begin(), temp.end()));

        // No art: hidden once, and the player is not asked again for that track.
        player.SetCurrentTrack(kNightFerry);
        widget.PollTick();
        widget.PollTick();
        CHECK_EQ(ArtworkRequests(player), 2);
        CHECK(!ArtLayer(widget).visible);

        // Two tracks of the same name keep the first one's art.
        player.SetCurrentTrack(kMorningTide);
        widget.PollTick();
        const Gdiplus::Image* first = ArtLayer(widget).image.get();
        player.SetCurrentTrack(kMorningTideLive);
        widget.PollTick();
        CHECK_EQ(ArtworkRequests(player), 3);
        CHECK(ArtLayer(widget).image.get() == first);
        CHECK(ArtLayer(widget).visible);

        // Stopped with no current track: hidden.
        player.Stop();
        widget.PollTick();
        CHECK(!ArtLayer(widget).visible);
    }
    CHECK_EQ(sim::OutstandingReferences(), 0);
    CHECK_EQ(sim::LiveObjects(), 0);
    CHECK_EQ(rig::PlayerBstrsOutstanding(), playerStrings);
    CHECK_EQ(rig::ModuleBstrsOutstanding(), moduleStrings);
}

TEST_CASE(half_alpha_artwork_under_an_opaque_overlay) {
    rig::PlayerScene running(1, true);
    const std::string ini = ArtSkin("alpha", "Alpha=128\nDrawOverlay=1\n");
    rig::WritePng(ImagePath("alpha", "overlay.png"), 40, 10, kGreen);
    rig::Widget widget(ini.c_str(), "W");
    CHECK_EQ(ArtPixel(widget, 20, 5), kGreen);
    const int alpha = rig::AlphaOf(ArtPixel(widget, 2, 30));
    CHECK(alpha >= 126 && alpha <= 130);
}

TEST_CASE(artwork_rectangle_and_overlay_size) {
    rig::PlayerScene running(1, true);
    {
        rig::Widget widget(ArtSkin("inner", "ArtWorkLeft=10\nArtWorkTop=10\nArtWorkWidth=20\nArtWorkHeight=20\n").c_str(), "W");
        CHECK_EQ(rig::AlphaOf(ArtPixel(widget, 5, 5)), 0);
        CHECK_EQ(rig::AlphaOf(ArtPixel(widget, 12, 12)), 255);
    }
    {
        // A zero width means the whole area.
        rig::Widget widget(ArtSkin("inner_zero", "ArtWorkLeft=10\nArtWorkTop=10\nArtWorkHeight=20\n").c_str(), "W");
        CHECK_EQ(rig::AlphaOf(ArtPixel(widget, 2, 2)), 255);
    }
    for (int actualSize : {0, 1}) {
        const std::string ini = ArtSkin("overlay", "DrawOverlay=1\nDrawOverlayActualSize=" + std::to_string(actualSize) + "\n");
        rig::WritePng(ImagePath("overlay", "overlay.png"), 10, 10, kGreen);
        rig::Widget widget(ini.c_str(), "W");
        CHECK_EQ(ArtPixel(widget, 5, 5), kGreen);
        CHECK_EQ(ArtPixel(widget, 35, 35) == kGreen, actualSize == 0);
    }
}

TEST_CASE(artwork_path_keeps_a_folder_name_outside_ascii) {
    // A second copy of the module in a folder whose name the ANSI code page holds but
    // the OEM page spells differently.
    const std::wstring folderName = L"M\u00fcsik";
    char ansiName[64] = {};
    WideCharToMultiByte(CP_ACP, 0, folderName.c_str(), -1, ansiName, sizeof ansiName, nullptr, nullptr);
    const std::string folder = rig::WorkFolder() + ansiName + "\\";
    std::filesystem::create_directories(folder + "skins");
    rig::TheModule();  // puts the module into the work folder
    const std::string ini = ArtSkin("wide", "");
    std::filesystem::copy(rig::WorkFolder() + "skins\\wide", folder + "skins\\wide",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    CopyFileA((rig::WorkFolder() + "Quillbracket.dll").c_str(), (folder + "Quillbracket.dll").c_str(), FALSE);

    rig::PlayerScene running(1, true);
    HMODULE copy = LoadLibraryA((folder + "Quillbracket.dll").c_str());
    REQUIRE(copy != nullptr);
    auto create = reinterpret_cast<decltype(&OnCreate)>(reinterpret_cast<void*>(GetProcAddress(copy, "OnCreate")));
    auto destroy = reinterpret_cast<decltype(&OnDestroy)>(reinterpret_cast<void*>(GetProcAddress(copy, "OnDestroy")));
    HWND window = CreateWindowExA(0, "STATIC", "widget", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    void* instance = create(window, copy, ini.c_str(), "W");
    const auto saves = running.player().calls().Arguments("IITArtwork.SaveArtworkToFile");
    destroy(instance, window);
    DestroyWindow(window);
    rig::RecordingHost::Get().Forget(window);
    FreeLibrary(copy);

    std::wstring expected(rig::WorkFolder().begin(), rig::WorkFolder().end());
    expected += folderName + L"\\temp";
    REQUIRE(saves.size() == 1u);
    CHECK(saves.front() == expected);
    CHECK(GetFileAttributesW(expected.c_str()) != INVALID_FILE_ATTRIBUTES);
}
