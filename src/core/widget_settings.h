// The five per-widget settings, as the host's settings file keeps them.
#pragma once

#include <windows.h>

#include <string>

struct WidgetSettings {
    int showTimePlayed = 1;
    int hideWhenNotLoaded = 0;
    int autoHideITunes = 0;
    std::string skinDir = "default";
    bool use5Rating = true;

    // A value the file lacks keeps its current one; the rating's default is 5 stars.
    void Read(const char* iniFile, const char* iniGroup);
    BOOL Write(const char* iniFile, const char* iniGroup) const;
};
