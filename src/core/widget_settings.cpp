#include "core/widget_settings.h"

#include "core/paths.h"

#include <cstring>
#include <string>

namespace {

// The profile functions take a path of at most 259 characters; with a longer
// one Wine's writer reports success while writing to a file whose name comes
// from stray memory. Such a path is as good as no file: nothing is read from
// it or written to it.
bool FitsProfileFunctions(const char* file) { return file && std::strlen(file) <= kMaxText; }

std::string ReadText(const char* file, const char* group, const char* key, const std::string& fallback) {
    char buffer[kMaxText + 1] = {};
    GetPrivateProfileStringA(group, key, fallback.c_str(), buffer, sizeof buffer, file);
    return buffer;
}

int ReadInt(const char* file, const char* group, const char* key, int fallback) {
    if (!FitsProfileFunctions(file)) return fallback;
    return static_cast<int>(GetPrivateProfileIntA(group, key, fallback, file));
}

BOOL WriteInt(const char* file, const char* group, const char* key, int value) {
    return WritePrivateProfileStringA(group, key, std::to_string(value).c_str(), file);
}

}  // namespace

void WidgetSettings::Read(const char* iniFile, const char* iniGroup) {
    showTimePlayed = ReadInt(iniFile, iniGroup, "ShowTimePlayed", showTimePlayed);
    hideWhenNotLoaded = ReadInt(iniFile, iniGroup, "HideWhenNotLoaded", hideWhenNotLoaded);
    autoHideITunes = ReadInt(iniFile, iniGroup, "AutoHideiTunes", autoHideITunes);
    if (FitsProfileFunctions(iniFile)) skinDir = ReadText(iniFile, iniGroup, "SkinDir", skinDir);
    use5Rating = ReadInt(iniFile, iniGroup, "Use5Rating", 1) == 1;
}

BOOL WidgetSettings::Write(const char* iniFile, const char* iniGroup) const {
    if (!FitsProfileFunctions(iniFile)) return FALSE;
    WriteInt(iniFile, iniGroup, "ShowTimePlayed", showTimePlayed);
    WriteInt(iniFile, iniGroup, "HideWhenNotLoaded", hideWhenNotLoaded);
    WriteInt(iniFile, iniGroup, "AutoHideiTunes", autoHideITunes);
    WritePrivateProfileStringA(iniGroup, "SkinDir", skinDir.c_str(), iniFile);
    return WriteInt(iniFile, iniGroup, "Use5Rating", use5Rating ? 1 : 0);
}
