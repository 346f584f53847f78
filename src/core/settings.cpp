// The five per-widget settings in the host's settings file.
#include "core/widget_instance.h"

#include <string>

namespace {

std::string ReadText(const char* file, const char* group, const char* key, const std::string& fallback) {
    char buffer[kMaxText + 1] = {};
    GetPrivateProfileStringA(group, key, fallback.c_str(), buffer, sizeof buffer, file);
    return buffer;
}

BOOL WriteInt(const char* file, const char* group, const char* key, int value) {
    return WritePrivateProfileStringA(group, key, std::to_string(value).c_str(), file);
}

void ShowOrHideITunesWindow(bool hide) {
    if (HWND window = itunes::MainWindow()) ShowWindow(window, hide ? SW_HIDE : SW_SHOWNA);
}

}  // namespace

void WidgetInstance::ReadInstanceSettings(const char* iniFile, const char* iniGroup) {
    showTimePlayed = static_cast<int>(GetPrivateProfileIntA(iniGroup, "ShowTimePlayed", showTimePlayed, iniFile));
    hideWhenNotLoaded = static_cast<int>(GetPrivateProfileIntA(iniGroup, "HideWhenNotLoaded", hideWhenNotLoaded, iniFile));
    ApplyAutoHideITunes(static_cast<int>(GetPrivateProfileIntA(iniGroup, "AutoHideiTunes", autoHideITunes, iniFile)));
    skinDir = ReadText(iniFile, iniGroup, "SkinDir", skinDir);
    use5Rating = GetPrivateProfileIntA(iniGroup, "Use5Rating", 1, iniFile) == 1;
    ratingImageValue = -1;
    (void)LoadSkin(skinDir, false);
}

BOOL WidgetInstance::WriteInstanceSettings(const char* iniFile, const char* iniGroup) const {
    WriteInt(iniFile, iniGroup, "ShowTimePlayed", showTimePlayed);
    WriteInt(iniFile, iniGroup, "HideWhenNotLoaded", hideWhenNotLoaded);
    WriteInt(iniFile, iniGroup, "AutoHideiTunes", autoHideITunes);
    WritePrivateProfileStringA(iniGroup, "SkinDir", skinDir.c_str(), iniFile);
    return WriteInt(iniFile, iniGroup, "Use5Rating", use5Rating ? 1 : 0);
}

void WidgetInstance::ApplyAutoHideITunes(int value) {
    autoHideITunes = value;
    // While detached the value waits for the next application.
    if (iTunesApp) ShowOrHideITunesWindow(autoHideITunes != 0);
}
