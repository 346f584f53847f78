// The skin-author tools: the checker on a broken skin and on every bundled
// one, and quillhost's --check-skin and --render-skin as an author runs them.
#include "host/skin_tools/skin_check.h"
#include "rig/rig.h"
#include "skin/skin_schema.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

namespace {

bool Reports(const std::vector<host::SkinProblem>& problems, int line, bool error, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(), [&](const host::SkinProblem& p) {
        return p.line == line && p.error == error && p.message.find(text) != std::string::npos;
    });
}

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full = path;
    return full.substr(0, full.find_last_of("\\/") + 1);
}

struct Run {
    DWORD status = ~DWORD{0};
    std::string output;
};

// quillhost with the work folder's module (and so its skins), output captured.
Run Quillhost(const std::string& arguments) {
    rig::TheModule();  // copies the module into the work folder
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    REQUIRE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    std::string command =
        "\"" + ExeFolder() + "quillhost.exe\" --module \"" + rig::WorkFolder() + "Quillbracket.dll\" " + arguments;
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    Run run;
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) run.output.append(buffer, read);
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return run;
}

constexpr Gdiplus::ARGB kBgColor = 0xFF2060A0;

// Every fault on its own line, so each report can be pinned to it.
void MakeBrokenSkin() {
    const std::string folder = rig::MakeSkin("Broken",
                                             "[Info]\r\n"             // 1
                                             "Name=Broken\r\n"        // 2
                                             "[Bg]\r\n"               // 3
                                             "Width=100\r\n"          // 4
                                             "Height=40\r\n"          // 5
                                             "Hieght=40\r\n"          // 6 unknown key
                                             "[PausePlayButton]\r\n"  // 7 no pause.png; Width (10) past the edge
                                             "Left=90\r\nTop=5\r\nWidth=20\r\nHeight=20\r\n"
                                             "[Knob]\r\n"                 // 12
                                             "UseBitmap=1\r\n"            // 13 no knob.png
                                             "[ExtraInfos]\r\n"           // 14
                                             "Count=300\r\n"              // 15 above the ceiling
                                             "[ChangeSkinHotSpots]\r\n"   // 16
                                             "Count=1\r\n"                // 17
                                             "[ChangeSkinHotSpot-1]\r\n"  // 18
                                             "Left=1\r\nTop=1\r\nWidth=30\r\nHeight=30\r\n"
                                             "Type=hover\r\n"                    // 23
                                             "NewSkinName=Nowhere\r\n"           // 24 no such skin
                                             "EasyAnimationFramesCount=2\r\n"    // 25
                                             "EasyAnimationFrame1=grow.png\r\n"  // 26 file absent; frame 2 unnamed
                                             "[SoundPain]\r\n"                   // 27 unknown group
                                             "Left=0\r\n");
    rig::WritePng(folder + "images\\bg.png", 100, 40, kBgColor);
}

}  // namespace

TEST_CASE(check_reports_every_fault_of_a_broken_skin_at_its_line) {
    MakeBrokenSkin();
    const std::vector<host::SkinProblem> problems = host::CheckSkin(rig::WorkFolder() + "skins\\", "Broken");
    CHECK(Reports(problems, 6, true, "unknown key \"Hieght\" in [Bg]; did you mean \"Height\"?"));
    CHECK(Reports(problems, 10, true,
                  "[PausePlayButton] Width=20: Left + Width is 90 + 20 = 110, past the width of the "
                  "background, 100; it is at most 100, and what lies past it is cut off"));
    CHECK(Reports(problems, 7, true, "images/pause.png is missing"));
    CHECK(Reports(problems, 13, true, "images/knob.png is missing; [Knob] UseBitmap calls for it"));
    CHECK(Reports(problems, 15, true,
                  "[ExtraInfos] Count=300: a count is 0 to 256; the widget reads only the first 256"));
    CHECK(Reports(problems, 24, true, "NewSkinName \"Nowhere\" names no skin"));
    CHECK(Reports(problems, 26, true, "frame 1 skins/Broken/images/grow.png is missing"));
    CHECK(Reports(problems, 18, true, "frame 2 of 2 has no file"));
    CHECK(Reports(problems, 27, true, "unknown group [SoundPain]; did you mean \"SoundPane\"?"));
    CHECK_EQ(problems.size(), size_t{9});
    for (const host::SkinProblem& problem : problems) CHECK_EQ(problem.file, std::string("skins/Broken/skin.ini"));
    CHECK_EQ(host::FormatProblem(problems.front()),
             std::string("skins/Broken/skin.ini:6: error: unknown key \"Hieght\" in [Bg]; did you mean \"Height\"?"));
}

// Each value message is on its key's own line and says what was written,
// what the widget makes of it and what it takes.
TEST_CASE(check_says_of_each_value_what_the_widget_makes_of_it) {
    const std::string folder = rig::MakeSkin("Values",
                                             "[Bg]\nWidth=100\nHeight=40px\n"                                      // 1
                                             "[Font]\nFacename=Quillbracket No Such Face\n"                        // 4
                                             "ColorR=300\nColorB=#EE\n"                                            // 6
                                             "[InnerKnob]\nColorA=-1\nColorG=0x1FF\n"                              // 8
                                             "[PausePlayButton]\nLeft=90\nTop=5\nWidth=20\nHeight=20\n"            // 11
                                             "[DisplayPane]\nLeft=0\nTop=0\nWidth=100\nHeight=40\n"                // 16
                                             "[InfoPane]\nLeft=2\nTop=-3\nWidth=50\nHeight=10\n"                   // 21
                                             "[RatingPane]\nLeft=0\nTop=20\nWidth=50\nHeight=10\nDirection=4\n"    // 26
                                             "[ExtraInfos]\nCount=2\n"                                             // 32
                                             "[ExtraInfo-1]\nFacename=Quillbracket No Such Face\nType=album\n"     // 34
                                             "[ExtraInfo-2]\nType=artist\nFacename=Quillbracket No Such Face\n");  // 37
    rig::WritePng(folder + "images\\bg.png", 100, 40, kBgColor);
    rig::WritePng(folder + "images\\pause.png", 20, 20, kBgColor);
    rig::WritePng(folder + "images\\rating_filled.png", 60, 12, kBgColor);
    rig::WritePng(folder + "images\\rating_unfilled.png", 50, 8, kBgColor);
    const struct {
        int line;
        bool error;
        const char* message;
    } expected[] = {
        {3, false,
         "[Bg] Height=40px: a whole number is decimal digits with an optional sign; the widget reads it as 40"},
        {5, false, "[Font] Facename=Quillbracket No Such Face: this face is not installed here"},
        {6, true, "[Font] ColorR=300: a colour component is 0 to 255; the widget takes 300 mod 256 = 44"},
        {7, false,
         "[Font] ColorB=#EE: a colour component is a whole number 0 to 255; the widget reads it as 0 (#EE is 238)"},
        {9, true, "[InnerKnob] ColorA=-1: a colour component is 0 to 255; the widget takes -1 mod 256 = 255"},
        {10, true,
         "[InnerKnob] ColorG=0x1FF: a colour component is 0 to 255; the widget reads it as 511 and takes 511 mod "
         "256 = 255"},
        {14, true,
         "[PausePlayButton] Width=20: Left + Width is 90 + 20 = 110, past the width of the background, 100; it "
         "is at most 100"},
        {23, true,
         "[InfoPane] Top=-3: the display pane starts at 0; Top is 0 or more, and what lies before 0 is cut off"},
        {29, false,
         "images/rating_filled.png is 60 x 12, not 50 x 10 ([RatingPane] Width=50, Height=10): the widget "
         "copies it unscaled from its top-left corner, so its right 10 columns never show and its bottom 2 "
         "rows never show"},
        {30, false,
         "images/rating_unfilled.png is 50 x 8, not 50 x 10 ([RatingPane] Width=50, Height=10): the widget "
         "copies it unscaled from its top-left corner, so the pane's bottom 2 rows stay empty"},
        {31, false,
         "[RatingPane] Direction=4: a direction is 0 to 3 (from the left, the right, the top, the bottom); the "
         "widget draws nothing in the pane"},
        // A face is told on every line that names it; the counter, which names none, with [Font].
        {35, false, "[ExtraInfo-1] Facename=Quillbracket No Such Face: this face is not installed here"},
        {39, false, "[ExtraInfo-2] Facename=Quillbracket No Such Face: this face is not installed here"},
    };
    const std::vector<host::SkinProblem> problems = host::CheckSkin(rig::WorkFolder() + "skins\\", "Values");
    for (const auto& [line, error, message] : expected)
        if (!Reports(problems, line, error, message)) CHECK_EQ(std::to_string(line) + ": " + message, std::string());
    CHECK(Reports(problems, 5, false, "its text and the counter's ([CounterFont] names no face) draw with"));
    CHECK_EQ(problems.size(), std::size(expected));
}

TEST_CASE(check_warns_of_what_the_module_would_quietly_skip) {
    rig::MakeSkin("Return", "[Bg]\nWidth=50\nHeight=50\n");
    rig::WritePng(rig::WorkFolder() + "skins\\Return\\images\\bg.png", 50, 50, kBgColor);
    const std::string folder = rig::MakeSkin("Quiet",
                                             "Stray=1\n"                        // 1 above any group
                                             "[Bg]\nWidth=50\nHeight=50\n"      // 2
                                             "[bg]\nWidth=60\n"                 // 5 second group
                                             "[ExtraInfos]\nCount=1\n"          // 7
                                             "[ExtraInfo-1]\nType=titel\n"      // 9
                                             "[ExtraInfo-2]\nType=album\n"      // 11 beyond the count
                                             "[ChangeSkinHotSpots]\nCount=1\n"  // 13
                                             "[ChangeSkinHotSpot-1]\nLeft=1\nTop=1\nWidth=9\nHeight=9\n"
                                             "Type=hover\nNewSkinName=Return\nMouseOutSkinName=Return\n"
                                             "NewLeft=0\nNewTop=0\nNewWidth=80\nNewHeight=10\n"  // 23 wider than Return
                                             "EasyAnimationFramesCount=1\nEasyAnimationFrame1=f.png\n"  // 28
                                             "[Font]\nFacename=Quillbracket No Such Face\n");           // 30
    rig::WritePng(folder + "images\\bg.png", 40, 50, kBgColor);
    rig::WritePng(folder + "images\\f.png", 5, 5, kBgColor);
    const std::vector<host::SkinProblem> problems = host::CheckSkin(rig::WorkFolder() + "skins\\", "Quiet");
    CHECK(Reports(problems, 1, false, "\"Stray\" stands above the first group"));
    CHECK(Reports(problems, 3, false,
                  "images/bg.png is 40 x 50, not 50 x 50 ([Bg] Width=50, Height=50): the widget "
                  "stretches it to 50 x 50"));
    CHECK(Reports(problems, 5, false, "only the one on line 2 is read"));
    CHECK(Reports(problems, 10, false,
                  "[ExtraInfo-1] Type=titel: a type is one of album, artist, comment, composer, "
                  "genre, kind, length or name; the widget shows nothing"));
    CHECK(Reports(problems, 11, false, "[ExtraInfo-2] is not read: [ExtraInfos] Count is 1"));
    CHECK(Reports(problems, 25, true,
                  "[ChangeSkinHotSpot-1] NewWidth=80: NewLeft + NewWidth is 0 + 80 = 80, past the "
                  "width of Return's background, 50"));
    // Leaving the hover skin plays the frames from the skin returned to.
    CHECK(Reports(problems, 28, true, "frame 1 skins/Return/images/f.png is missing"));
    // The counter takes [Font]'s face too: one warning, where the face is named.
    CHECK(Reports(
        problems, 30, false,
        "[Font] Facename=Quillbracket No Such Face: this face is not installed here; a face is drawn as named "
        "only where it is installed, so its text and the counter's ([CounterFont] names no face) draw with \""));
    CHECK(host::NameDistance("Widht", "width") == 1);

    // The widget reads skin.ini up to a bound far above any real skin; the checker says when a file nears it.
    for (const size_t megabytes : {5, 9}) {
        const std::string huge =
            rig::MakeSkin("Huge", "[Bg]\nWidth=50\nHeight=50\n" + std::string(megabytes << 20, ';'));
        rig::WritePng(huge + "images\\bg.png", 50, 50, kBgColor);
        const auto sizeProblems = host::CheckSkin(rig::WorkFolder() + "skins\\", "Huge");
        CHECK(megabytes == 5 ? Reports(sizeProblems, 0, false, "near the 8.0 MiB the widget reads at most")
                             : Reports(sizeProblems, 0, true, "reads only its first 8.0 MiB"));
    }

    const Run run = Quillhost("--check-skin Quiet");
    CHECK_EQ(run.status, DWORD{1});
    CHECK(run.output.find("skins/Quiet/skin.ini:25: error: [ChangeSkinHotSpot-1] NewWidth=80") != std::string::npos);
    CHECK(run.output.find("skins/Quiet: 2 error(s), 6 warning(s)") != std::string::npos);
    CHECK_EQ(Quillhost("--check-skin Absent").status, DWORD{1});
}

TEST_CASE(every_bundled_skin_passes_the_check_and_is_in_the_guide) {
    for (const char* name : {"Default", "Slim", "SlimExpanded", "Tower"}) {
        const std::vector<host::SkinProblem> problems = host::CheckSkin(rig::SourceSkinsFolder(), name);
        for (const host::SkinProblem& problem : problems) CHECK_EQ(host::FormatProblem(problem), std::string());
        rig::InstallBundledSkin(name);
    }
    const Run run = Quillhost("--check-skin Slim");
    CHECK_EQ(run.status, DWORD{0});
    CHECK(run.output.find("skins/Slim: 0 error(s), 0 warning(s)") != std::string::npos);

    // The guide names every group and key the checker knows.
    const std::string guide = rig::ReadTextFile(rig::SourceSkinsFolder() + "..\\docs\\skins.md");
    REQUIRE(!guide.empty());
    for (const SkinGroupSchema& group : SkinSchema()) {
        CHECK(guide.find(std::string(group.name)) != std::string::npos);
        for (const SkinKeySchema& key : group.keys)
            if (guide.find("`" + std::string(key.name)) == std::string::npos)
                CHECK_EQ(std::string(group.name) + " " + std::string(key.name), std::string("in the guide"));
    }
}

TEST_CASE(render_writes_the_widget_as_the_host_composes_it) {
    rig::InstallBundledSkin("Tower");
    const std::string out = rig::WorkFolder() + "tower.png";
    const Run run = Quillhost("--render-skin Tower --out \"" + out + "\" --track 5");
    REQUIRE(run.status == 0);
    CHECK(run.output.find("tower.png") != std::string::npos);
    const std::wstring wide(out.begin(), out.end());
    {
        Gdiplus::Bitmap picture(wide.c_str());
        REQUIRE(picture.GetLastStatus() == Gdiplus::Ok);
        CHECK_EQ(picture.GetWidth(), 110u);
        CHECK_EQ(picture.GetHeight(), 300u);
        // The track's artwork shows in the slide frame, the counter in the display.
        const std::wstring bgPath = std::wstring(L"") +
                                    std::wstring(rig::WorkFolder().begin(), rig::WorkFolder().end()) +
                                    L"skins\\Tower\\images\\bg.png";
        Gdiplus::Bitmap bg(bgPath.c_str());
        CHECK(rig::DifferingPixels(&picture, &bg, {20, 20, 90, 90}) > 4000);
        CHECK(rig::DifferingPixels(&picture, &bg, {20, 158, 90, 176}) > 50);
        CHECK_EQ(rig::DifferingPixels(&picture, &bg, {0, 0, 110, 8}), 0);
    }

    // A skin's background alone, where the broken skin has nothing else to draw.
    MakeBrokenSkin();
    const std::string broken = rig::WorkFolder() + "broken.png";
    REQUIRE(Quillhost("--render-skin Broken --out \"" + broken + "\" --paused").status == 0);
    const std::wstring brokenWide(broken.begin(), broken.end());
    Gdiplus::Bitmap picture(brokenWide.c_str());
    CHECK_EQ(picture.GetWidth(), 100u);
    CHECK_EQ(rig::PixelAt(&picture, 50, 35), kBgColor);

    CHECK_EQ(Quillhost("--render-skin Absent --out \"" + rig::WorkFolder() + "absent.png\"").status, DWORD{1});
    CHECK(!rig::FileExists(rig::WorkFolder() + "absent.png"));
    CHECK_EQ(Quillhost("--render-skin Tower --out x.png --track 99").status, DWORD{1});
}

// A picture that is not the skin's is refused, not saved: one with nothing
// drawn, and one of a widget that never took the skin's size.
TEST_CASE(render_refuses_a_picture_that_is_not_the_skins) {
    const std::string clear = rig::MakeSkin("Clear", "[Bg]\nWidth=60\nHeight=30\n");
    rig::WritePng(clear + "images\\bg.png", 60, 30, 0x00000000);
    const std::string sizeless = rig::MakeSkin("Sizeless", "[Bg]\nWidth=0\nHeight=30\n");
    rig::WritePng(sizeless + "images\\bg.png", 60, 30, kBgColor);
    for (const auto& [skin, why] : {std::pair{"Clear", "every pixel is transparent"},
                                    std::pair{"Sizeless", "the widget is 128 x 128, not the skin's 0 x 30"}}) {
        const std::string out = rig::WorkFolder() + skin + ".png";
        const Run run = Quillhost("--render-skin " + std::string(skin) + " --out \"" + out + "\"");
        CHECK_EQ(run.status, DWORD{1});
        CHECK(run.output.find(why) != std::string::npos);
        CHECK(!rig::FileExists(out));
    }
}

namespace {

std::map<std::string, std::string> FolderContents(const std::string& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        contents[entry.path().string()] = entry.is_regular_file() ? rig::ReadTextFile(entry.path().string()) : "";
    return contents;
}

}  // namespace

TEST_CASE(new_skin_writes_a_starter_that_checks_clean_and_renders) {
    const std::string skins = rig::WorkFolder() + "skins\\";
    const Run made = Quillhost("--new-skin Starter");
    REQUIRE(made.status == 0);
    CHECK(made.output.find("skins/Starter") != std::string::npos);
    for (const host::SkinProblem& problem : host::CheckSkin(skins, "Starter"))
        CHECK_EQ(host::FormatProblem(problem), std::string());

    const std::string out = rig::WorkFolder() + "starter.png";
    REQUIRE(Quillhost("--render-skin Starter --out \"" + out + "\"").status == 0);
    const std::string ini = skins + "Starter\\skin.ini";
    const int width = int(GetPrivateProfileIntA("Bg", "Width", 0, ini.c_str()));
    const int height = int(GetPrivateProfileIntA("Bg", "Height", 0, ini.c_str()));
    {
        const std::wstring wide(out.begin(), out.end());
        Gdiplus::Bitmap picture(wide.c_str());
        REQUIRE(picture.GetLastStatus() == Gdiplus::Ok);
        CHECK_EQ(int(picture.GetWidth()), width);
        CHECK_EQ(int(picture.GetHeight()), height);
        // Opaque but for its rounded corners, and the track drawn on the display.
        CHECK(rig::OpaquePixels(&picture, {0, 0, width, height}) > width * height * 9 / 10);
        const std::string bgPath = skins + "Starter\\images\\bg.png";
        Gdiplus::Bitmap bg(std::wstring(bgPath.begin(), bgPath.end()).c_str());
        CHECK(rig::DifferingPixels(&picture, &bg, {0, 0, width, height}) > 500);
    }

    // Over a skin that exists, in any letter case, nothing is made and nothing changes.
    const auto before = FolderContents(skins);
    for (const char* name : {"Starter", "starter", "STARTER"}) {
        const Run again = Quillhost("--new-skin " + std::string(name));
        CHECK_EQ(again.status, DWORD{1});
        CHECK(again.output.find("exists already") != std::string::npos);
    }
    // Names that are not one folder of their own.
    for (const char* name : {"a\\b", "..", "CON", "lpt1.txt", "\"x:y\"", "\"\""})
        CHECK_EQ(Quillhost("--new-skin " + std::string(name)).status, DWORD{1});
    CHECK(FolderContents(skins) == before);
}
