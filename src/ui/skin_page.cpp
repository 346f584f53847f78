#include "ui/skin_page.h"

#include "core/paths.h"
#include "platform/win_owners.h"
#include "ui/page_ids.h"

#include <cstring>
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

}  // namespace

void ShowSkinList(HWND page, const std::string& skinsFolder, const std::string& skinInUse) {
    HWND list = GetDlgItem(page, IDC_SKIN_LIST);
    for (const std::string& name : SkinFolderNames(skinsFolder))
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    // The skin in use, letter case aside. The list's own search would start
    // after the first entry and could take a longer name there for it, which
    // Apply would then load; it only serves when no entry has the name.
    const auto name = reinterpret_cast<LPARAM>(skinInUse.c_str());
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

bool IsSkinChoice(WPARAM command) { return LOWORD(command) == IDC_SKIN_LIST && HIWORD(command) == CBN_SELCHANGE; }
