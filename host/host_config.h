// The host's settings file: which widgets exist, where each stands, and the
// group each widget's module keeps its own settings in.
//
//   [Quillhost]             Widgets=Widget1,Widget3
//   [Widget1]               X=120  Y=80
//   [Widget1.Settings]      (written by the module)
#pragma once

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

    POINT ReadPosition(const std::string& group, POINT fallback) const;
    void WritePosition(const std::string& group, POINT position) const;

    // The module's group for a widget, and whether the module has written it yet.
    static std::string SettingsGroup(const std::string& group) { return group + ".Settings"; }
    bool HasSettings(const std::string& group) const;
    // Drops everything kept for a widget.
    void Forget(const std::string& group) const;

private:
    std::string file_;
};

}  // namespace host
