// The "Skin" page: lists the installed skins and switches the widget to the
// chosen one on apply.
#include "ui/page_ids.h"
#include "ui/pages.h"

#include "core/paths.h"
#include "platform/win_owners.h"
#include "render/redraw.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Every subfolder of the skins folder, with or without a "skin.ini".
std::vector<std::string> SkinFolderNames(const std::string& skinsFolder) {
    std::vector<std::string> names;
    const std::string pattern = JoinPath({skinsFolder, "*.*"});
    if (pattern.empty()) return names;
    WIN32_FIND_DATAA entry;
    const UniqueFind search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search) return names;
    do {
        const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder && std::strcmp(entry.cFileName, ".") != 0 && std::strcmp(entry.cFileName, "..") != 0)
            names.emplace_back(entry.cFileName);
    } while (FindNextFileA(search.get(), &entry));
    return names;
}

void ShowSkinList(HWND page, const WidgetInstance& instance) {
    HWND list = GetDlgItem(page, IDC_SKIN_LIST);
    for (const std::string& name : SkinFolderNames(JoinPath({ModuleFolder(instance.moduleHandle), "skins"})))
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    // The skin in use, letter case aside. The list's own search would start
    // after the first entry and could take a longer name there for it, which
    // Apply would then load; it only serves when no entry has the name.
    const auto name = reinterpret_cast<LPARAM>(instance.settings.skinDir.c_str());
    const LRESULT exact = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), name);
    if (exact != CB_ERR)
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(exact), 0);
    else
        SendMessageA(list, CB_SELECTSTRING, 0, name);
}

void ShowSkinInfo(HWND page, const SkinModel* skin) {
    if (!skin) return;
    SetDlgItemTextA(page, IDC_SKIN_NAME, skin->name.c_str());
    SetDlgItemTextA(page, IDC_SKIN_AUTHOR, skin->author.c_str());
    SetDlgItemTextA(page, IDC_SKIN_COMMENTS, skin->comments.c_str());
}

std::string ChosenSkin(HWND page) {
    char name[MAX_PATH] = {};
    GetDlgItemTextA(page, IDC_SKIN_LIST, name, MAX_PATH);
    return name;
}

// Reloads even an unchanged choice, so the page always shows a fresh model.
void SwitchSkin(WidgetInstance& instance, const std::string& name) { (void)LoadSkinAndRedraw(instance, name); }

bool IsSkinChoice(WPARAM command) { return LOWORD(command) == IDC_SKIN_LIST && HIWORD(command) == CBN_SELCHANGE; }

const PageActions kActions = {
    [](HWND page, WidgetInstance& instance) {
        ShowSkinList(page, instance);
        ShowSkinInfo(page, instance.skin.get());
    },
    IsSkinChoice,
    [](HWND page, WidgetInstance& instance) {
        SwitchSkin(instance, ChosenSkin(page));
        ShowSkinInfo(page, instance.skin.get());
    },
};

}  // namespace

INT_PTR CALLBACK SkinPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A skin that could not be loaded leaves the page as it was.
    return Guarded<INT_PTR>(FALSE, [&] { return HandlePageMessage(page, msg, wParam, lParam, kActions); });
}
