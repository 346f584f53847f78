#include "host/settings_place.h"

#include "host/whole_file.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdio>

namespace host {
namespace {

constexpr char kSettingsFolder[] = "Quillbracket\\";
constexpr char kMovedSuffix[] = ".moved";

std::string FolderOf(const std::string& file) { return file.substr(0, file.find_last_of("\\/") + 1); }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

bool IsPortableCopy(const std::string& program) { return Exists(FolderOf(program) + kPortableMarker); }

std::string RoamingAppData() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) || !folder[0]) return {};
    std::string path = folder;
    if (path.back() != '\\') path += '\\';
    return path;
}

std::string SettingsFileFor(const std::string& program, const std::string& appData) {
    if (IsPortableCopy(program) || appData.empty()) return FolderOf(program) + kSettingsFileName;
    return appData + kSettingsFolder + kSettingsFileName;
}

std::string TakeOverSettings(const std::string& file, const std::string& program) {
    const std::string old = FolderOf(program) + kSettingsFileName;
    CreateDirectoryA(FolderOf(file).c_str(), nullptr);
    if (_stricmp(old.c_str(), file.c_str()) == 0 || !Exists(old) || Exists(file)) return file;
    if (!CopyFileA(old.c_str(), file.c_str(), TRUE)) {
        std::fprintf(stderr,
                     "quillhost: the settings beside the program cannot be moved to %s (%s); used where they are\n",
                     file.c_str(), SystemMessage(GetLastError()).c_str());
        return old;
    }
    // Left renamed, not deleted: nothing the user had is gone.
    const std::string moved = old + kMovedSuffix;
    if (MoveFileExA(old.c_str(), moved.c_str(), 0))
        std::printf("quillhost: the settings moved to %s; the old file is %s\n", file.c_str(), moved.c_str());
    else
        std::fprintf(stderr, "quillhost: the settings moved to %s; the old file cannot be renamed (%s)\n", file.c_str(),
                     SystemMessage(GetLastError()).c_str());
    return file;
}

}  // namespace host
