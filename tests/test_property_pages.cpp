// The two configuration pages in a real property sheet, used as a person
// would: boxes clicked, a skin chosen in the list, Apply pressed.
#include "rig/rig.h"
#include "sim/player.h"

#include <commctrl.h>
#include <prsht.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kApplyButton = 0x3021;  // the sheet's own Apply button
constexpr int kHideWidgetBox = 1001, kHidePlayerBox = 1002, kFiveStarsBox = 1003;
constexpr int kSkinName = 1001, kSkinList = 1002, kSkinAuthor = 1003, kSkinComments = 1004;

// A modeless sheet built from the pages the module handed to the host.
class Sheet {
public:
    explicit Sheet(const rig::Widget& widget) {
        CHECK_EQ(rig::TheModule().OnAddPropertySheets(widget.instance(), 0), 2);
        std::vector<HPROPSHEETPAGE>& pages = widget.host().pages;
        REQUIRE(pages.size() == 2);
        PROPSHEETHEADERA header = {};
        header.dwSize = sizeof header;
        header.dwFlags = PSH_MODELESS;
        header.hwndParent = widget.window();
        header.pszCaption = "Widget";
        header.nPages = static_cast<UINT>(pages.size());
        header.phpage = pages.data();
        window_ = reinterpret_cast<HWND>(PropertySheetA(&header));
        pages.clear();  // the sheet owns them now
        REQUIRE(window_ != nullptr);
    }
    ~Sheet() { DestroyWindow(window_); }
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    HWND Page(int index) const {
        SendMessageA(window_, PSM_SETCURSEL, index, 0);
        return reinterpret_cast<HWND>(SendMessageA(window_, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    std::string TabTitle(int index) const {
        char text[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(reinterpret_cast<HWND>(SendMessageA(window_, PSM_GETTABCONTROL, 0, 0)), TCM_GETITEMA, index,
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    bool ApplyEnabled() const { return IsWindowEnabled(GetDlgItem(window_, kApplyButton)) != FALSE; }
    void PressApply() const {
        REQUIRE(ApplyEnabled());
        SendMessageA(GetDlgItem(window_, kApplyButton), BM_CLICK, 0, 0);
        CHECK(!ApplyEnabled());
    }

private:
    HWND window_ = nullptr;
};

void Click(HWND page, int box) { SendMessageA(GetDlgItem(page, box), BM_CLICK, 0, 0); }
bool Checked(HWND page, int box) { return IsDlgButtonChecked(page, box) == BST_CHECKED; }

std::string Text(HWND page, int id) {
    char text[512] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

std::vector<std::string> ListedSkins(HWND page) {
    std::vector<std::string> names;
    const int count = static_cast<int>(SendDlgItemMessageA(page, kSkinList, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char name[MAX_PATH] = {};
        SendDlgItemMessageA(page, kSkinList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        names.push_back(name);
    }
    return names;
}

// Picks the entry as the list does when a person chooses it.
void ChooseSkin(HWND page, const std::string& name) {
    HWND list = GetDlgItem(page, kSkinList);
    const LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(name.c_str()));
    REQUIRE(index != CB_ERR);
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(kSkinList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::string Saved(const rig::Widget& widget) {
    const std::string file = rig::WorkFolder() + "pages-saved.ini";
    DeleteFileA(file.c_str());
    rig::TheModule().OnSave(widget.instance(), file.c_str(), "W", FALSE);
    return rig::ReadTextFile(file);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string SettingsWithSkin(const std::string& skin) {
    const std::string file = rig::WorkFolder() + "pages-" + skin + ".ini";
    rig::WriteTextFile(file, "[W]\nSkinDir=" + skin + "\n");
    return file;
}

void MakeSkinFolders() {
    rig::MakeSkin("Alpha", "[Info]\nName=Alpha Skin\nAuthor=Ann Example\nInfo=Bright and small.\n");
    rig::MakeSkin("alphabet", "[Info]\nName=Letters\n");
    rig::MakeSkin("Mid", "[Info]\nName=Middle\nAuthor=Mo\nInfo=Between.\n");
    rig::MakeSkin("Midnight", "[Info]\nName=Night\n");
    rig::MakeSkin("zeta", "");
    std::filesystem::create_directories(rig::WorkFolder() + "skins\\Bare");
    rig::WriteTextFile(rig::WorkFolder() + "skins\\notes.txt", "not a skin");
}

}  // namespace

// First, so that the skins folder holds only what it makes.
TEST_CASE(skin_page_lists_every_subfolder_sorted_and_selects_the_skin_in_use) {
    MakeSkinFolders();
    const struct {
        const char* skinDir;
        const char* selected;
    } cases[] = {
        {"Alpha", "Alpha"},  // the first entry, though the list's own search would take "alphabet" after it
        {"Mid", "Mid"},
        {"mIDNIGHT", "Midnight"},
        {"ZETA", "zeta"},
        {"Alph", "alphabet"},  // no entry of the name: the list's search, from the second entry
        {"Mi", "Mid"},
    };
    for (const auto& c : cases) {
        const std::string ini = SettingsWithSkin(c.skinDir);
        rig::Widget widget(ini.c_str(), "W");
        Sheet sheet(widget);
        HWND page = sheet.Page(1);
        CHECK(ListedSkins(page) == (std::vector<std::string>{"Alpha", "alphabet", "Bare", "Mid", "Midnight", "zeta"}));
        CHECK_EQ(Text(page, kSkinList), std::string(c.selected));
    }
    // Apply after a change on the other page keeps the skin in use.
    rig::Widget widget(SettingsWithSkin("Alpha").c_str(), "W");
    Sheet sheet(widget);
    sheet.Page(1);
    Click(sheet.Page(0), kFiveStarsBox);
    sheet.PressApply();
    CHECK(Has(Saved(widget), "SkinDir=Alpha\r\n"));
}

TEST_CASE(pages_reach_the_host_and_show_the_widget_settings) {
    const std::string ini = rig::WorkFolder() + "pages-boxes.ini";
    rig::WriteTextFile(ini, "[W]\nSkinDir=Mid\nHideWhenNotLoaded=1\nUse5Rating=0\n");
    rig::Widget widget(ini.c_str(), "W");
    Sheet sheet(widget);
    CHECK_EQ(rig::RecordingHost::Get().Count("DeskletAddPropertySheet"), size_t(2));
    CHECK_EQ(sheet.TabTitle(0), std::string("iTunes interaction"));
    CHECK_EQ(sheet.TabTitle(1), std::string("Skin"));
    HWND boxes = sheet.Page(0);
    CHECK(Checked(boxes, kHideWidgetBox));
    CHECK(!Checked(boxes, kHidePlayerBox));
    CHECK(!Checked(boxes, kFiveStarsBox));
    HWND skin = sheet.Page(1);
    CHECK_EQ(Text(skin, kSkinName), std::string("Middle"));
    CHECK_EQ(Text(skin, kSkinAuthor), std::string("Mo"));
    CHECK_EQ(Text(skin, kSkinComments), std::string("Between."));
    CHECK(!sheet.ApplyEnabled());
}

TEST_CASE(itunes_page_applies_the_boxes_and_hides_or_shows_an_attached_player_at_once) {
    sim::Player& player = sim::Player::Get();
    player.Reset();
    player.Register();
    REQUIRE(player.Start(true));
    rig::Widget widget;
    Sheet sheet(widget);
    HWND page = sheet.Page(0);

    Click(page, kHidePlayerBox);
    CHECK(sheet.ApplyEnabled());
    sheet.PressApply();
    CHECK(!IsWindowVisible(player.Window()));
    CHECK(Has(Saved(widget), "AutoHideiTunes=1"));

    Click(page, kHideWidgetBox);
    Click(page, kFiveStarsBox);
    Click(page, kHidePlayerBox);
    sheet.PressApply();
    CHECK(IsWindowVisible(player.Window()));
    const std::string saved = Saved(widget);
    CHECK(Has(saved, "HideWhenNotLoaded=1"));
    CHECK(Has(saved, "AutoHideiTunes=0"));
    CHECK(Has(saved, "Use5Rating=0"));
}

TEST_CASE(itunes_page_leaves_the_player_window_alone_while_detached) {
    sim::Player& player = sim::Player::Get();
    player.Reset();
    player.Register();
    rig::Widget widget;
    // Started after the widget, which has not attached yet.
    REQUIRE(player.Start(true));
    Sheet sheet(widget);
    HWND page = sheet.Page(0);
    Click(page, kHidePlayerBox);
    sheet.PressApply();
    CHECK(IsWindowVisible(player.Window()));
    CHECK(Has(Saved(widget), "AutoHideiTunes=1"));
    CHECK_EQ(player.calls().Count("IClassFactory.CreateInstance"), 0);
}

TEST_CASE(skin_page_apply_loads_the_chosen_skin_and_shows_its_details) {
    MakeSkinFolders();
    const std::string ini = SettingsWithSkin("Alpha");
    rig::Widget widget(ini.c_str(), "W");
    Sheet sheet(widget);
    HWND page = sheet.Page(1);
    CHECK_EQ(Text(page, kSkinName), std::string("Alpha Skin"));
    CHECK_EQ(Text(page, kSkinAuthor), std::string("Ann Example"));
    CHECK_EQ(Text(page, kSkinComments), std::string("Bright and small."));

    ChooseSkin(page, "Mid");
    rig::RecordingHost::Get().ClearCalls();
    sheet.PressApply();
    CHECK_EQ(Text(page, kSkinName), std::string("Middle"));
    CHECK_EQ(Text(page, kSkinAuthor), std::string("Mo"));
    CHECK_EQ(Text(page, kSkinComments), std::string("Between."));
    CHECK(Has(Saved(widget), "SkinDir=Mid\r\n"));
    auto loads = rig::RecordingHost::Get().Named("DeskletLayerSetImageFile");
    REQUIRE(loads.size() == 1);
    CHECK(Has(loads[0].args, "\\skins\\Mid\\images\\pause.png"));

    // The same choice again is loaded afresh.
    ChooseSkin(page, "Mid");
    rig::RecordingHost::Get().ClearCalls();
    sheet.PressApply();
    CHECK_EQ(rig::RecordingHost::Get().Count("DeskletLayerSetImageFile"), size_t(1));
    CHECK_EQ(rig::RecordingHost::Get().Count("DeskletMove"), size_t(1));

    // A folder without "skin.ini" gives the model's defaults.
    ChooseSkin(page, "Bare");
    sheet.PressApply();
    CHECK_EQ(Text(page, kSkinName), std::string("Unknown"));
    CHECK_EQ(Text(page, kSkinAuthor), std::string("Unknown"));
    CHECK_EQ(Text(page, kSkinComments), std::string());
}
