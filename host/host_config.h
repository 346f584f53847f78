// The host's settings file: which widgets exist, where each stands, and the
// group each widget's module keeps its own settings in.
//
//   [Quillhost]             Widgets=Widget1,Widget3
//   [Widget1]               X=120  Y=80  Monitor=\\.\DISPLAY1  MonitorX=120  MonitorY=80
//                           Layer=Topmost  Locked=1  Snap=1
//                           Opacity=60  Scale=Auto  HideForFullScreen=1
//   [Widget1.Settings]      (written by the module)
//
// The file is read once; the settings are kept and changed in memory and
// written whole by Save, so that the file on disk is always one whole version
// of them (see whole_file.h).
#pragma once

#include "host/ini_document.h"
#include "host/placement.h"
#include "host/widget_options.h"

#include <windows.h>

#include <string>
#include <vector>

namespace host {

// The settings held, in a file of their own that the module reads and writes
// its group in (OnCreate, OnSave): the module's contract names a file. Deleted
// with the object.
class SettingsCopy {
public:
    explicit SettingsCopy(const IniDocument& settings);
    ~SettingsCopy();
    SettingsCopy(const SettingsCopy&) = delete;
    SettingsCopy& operator=(const SettingsCopy&) = delete;

    // Null when the copy could not be made, and error() says why.
    const char* file() const { return file_.empty() ? nullptr : file_.c_str(); }
    const std::string& error() const { return error_; }
    IniDocument Read() const;

private:
    std::string error_;
    std::string file_;
};

class HostConfig {
public:
    // The file is made absolute: the profile functions would otherwise look in the Windows folder.
    explicit HostConfig(const std::string& file);

    const std::string& file() const { return file_; }

    // Writes the settings held in place of the file, unless the file holds
    // them already; false when it could not, with error() saying why (until a write succeeds).
    bool Save();
    const std::string& error() const { return error_; }
    // Files written so far.
    int saves() const { return saves_; }

    // The widgets' groups: those listed; in a file with no list, those of the
    // groups a user wrote for widgets.
    std::vector<std::string> WidgetGroups() const;
    // The list as it stands in the file.
    std::vector<std::string> ListedWidgetGroups() const;
    void WriteWidgetGroups(const std::vector<std::string>& groups);
    // A group name that none of the given ones uses.
    static std::string NewGroup(const std::vector<std::string>& taken);

    // Where the widget stands now: on the monitor it was kept on, if that is there.
    POINT ReadPosition(const std::string& group, POINT fallback) const;
    void WritePosition(const std::string& group, POINT position);
    // Values out of range read as the nearest allowed one.
    WidgetOptions ReadOptions(const std::string& group) const;
    void WriteOptions(const std::string& group, const WidgetOptions& options);

    // The module's group for a widget, and whether the module has written it yet.
    static std::string SettingsGroup(const std::string& group) { return group + ".Settings"; }
    bool HasSettings(const std::string& group) const;
    // The skin named in the module's group: a new widget's, before the module
    // first reads it, and any widget's, to name it in the tray menu.
    void WriteSkin(const std::string& group, const std::string& skin);
    std::string SkinOf(const std::string& group) const;
    // Drops everything kept for a widget.
    void Forget(const std::string& group);

    SettingsCopy Copy() const { return SettingsCopy(settings_); }
    // The module's groups of these widgets as the module left them in the copy.
    void TakeSettings(const SettingsCopy& copy, const std::vector<std::string>& groups);

private:
    int ReadInt(const std::string& group, const char* key, int fallback) const;
    std::string ReadString(const std::string& group, const char* key) const;

    std::string file_;
    IniDocument settings_;
    std::string onDisk_;  // the text the file holds, as far as the host knows
    std::string error_;
    int saves_ = 0;
};

}  // namespace host
