// The host's settings file: which widgets exist, where each stands, and the
// group each widget's module keeps its own settings in.
//
//   [Quillhost]             Widgets=Widget1,Widget3
//   [Widget1]               X=120  Y=80  Monitor=\\.\DISPLAY1  MonitorX=120  MonitorY=80
//                           Layer=Topmost  Locked=1  Snap=1
//                           Opacity=60  Scale=Auto  HideForFullScreen=1
//   [Widget1.Settings]      (written by the module)
#pragma once

#include "host/placement.h"
#include "host/widget_options.h"

#include <windows.h>

#include <string>
#include <vector>

namespace host {

class HostConfig {
public:
    // The file is made absolute: the profile functions would otherwise look in the Windows folder.
    explicit HostConfig(const std::string& file);

    const std::string& file() const { return file_; }

    std::vector<std::string> WidgetGroups() const;
    void WriteWidgetGroups(const std::vector<std::string>& groups) const;
    // A group name that none of the given ones uses.
    static std::string NewGroup(const std::vector<std::string>& taken);

    // Where the widget stands now: on the monitor it was kept on, if that is there.
    POINT ReadPosition(const std::string& group, POINT fallback) const;
    void WritePosition(const std::string& group, POINT position) const;
    // Values out of range read as the nearest allowed one.
    WidgetOptions ReadOptions(const std::string& group) const;
    void WriteOptions(const std::string& group, const WidgetOptions& options) const;

    // The module's group for a widget, and whether the module has written it yet.
    static std::string SettingsGroup(const std::string& group) { return group + ".Settings"; }
    bool HasSettings(const std::string& group) const;
    // The skin named in the module's group: a new widget's, before the module
    // first reads it, and any widget's, to name it in the tray menu.
    void WriteSkin(const std::string& group, const std::string& skin) const;
    std::string SkinOf(const std::string& group) const;
    // Drops everything kept for a widget.
    void Forget(const std::string& group) const;

private:
    int ReadInt(const std::string& group, const char* key, int fallback) const;
    std::string ReadString(const std::string& group, const char* key) const;
    void WriteString(const std::string& group, const char* key, const std::string& value) const;

    std::string file_;
};

}  // namespace host
