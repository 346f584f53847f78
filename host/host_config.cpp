#include "host/host_config.h"

#include "host/module_library.h"
#include "host/whole_file.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace host {
namespace {

constexpr char kHostGroup[] = "Quillhost";
constexpr char kWidgetsKey[] = "Widgets";
constexpr const char* kLayerNames[] = {"Normal", "Topmost", "Desktop"};
constexpr char kAutoScale[] = "Auto";
constexpr char kSkinKey[] = "SkinDir";
// The keys the host keeps in a widget's own group.
constexpr const char* kWidgetKeys[] = {"X",      "Y",    "Monitor", "MonitorX", "MonitorY",         "Layer",
                                       "Locked", "Snap", "Opacity", "Scale",    "HideForFullScreen"};

WidgetLayer LayerNamed(const std::string& name) {
    for (int i = 0; i < 3; ++i)
        if (name == kLayerNames[i]) return static_cast<WidgetLayer>(i);
    return WidgetLayer::Normal;
}

}  // namespace

SettingsCopy::SettingsCopy(const IniDocument& settings) : file_(WriteTemporaryFile(settings.Text(), error_)) {}

SettingsCopy::~SettingsCopy() {
    if (!file_.empty()) DeleteFileA(file_.c_str());
}

IniDocument SettingsCopy::Read() const { return IniDocument(file_.empty() ? std::string() : ReadWholeFile(file_)); }

HostConfig::HostConfig(const std::string& file)
    : file_(FullPath(file)), settings_(ReadWholeFile(file_)), onDisk_(settings_.Text()) {}

// After a failure every change tries again: only a write that succeeds ends the failure.
bool HostConfig::Save() {
    const std::string text = settings_.Text();
    if (text == onDisk_ && error_.empty()) return true;
    error_ = ReplaceWholeFile(file_, text);
    if (!error_.empty()) return false;
    onDisk_ = text;
    ++saves_;
    return true;
}

std::vector<std::string> HostConfig::ListedWidgetGroups() const {
    std::vector<std::string> groups;
    std::istringstream list(ReadString(kHostGroup, kWidgetsKey));
    for (std::string group; std::getline(list, group, ',');) {
        group.erase(0, group.find_first_not_of(' '));
        group.erase(group.find_last_not_of(' ') + 1);
        // A name given twice would make two widgets share one group.
        const auto same = [&group](const std::string& taken) { return _stricmp(taken.c_str(), group.c_str()) == 0; };
        if (!group.empty() && std::none_of(groups.begin(), groups.end(), same)) groups.push_back(group);
    }
    return groups;
}

// A file with no list of widgets, as one written by hand may be: every group
// of a widget's keys or of its module's settings is a widget, in the file's
// order. Any other group is the user's, kept as it is.
std::vector<std::string> HostConfig::WidgetGroups() const {
    std::vector<std::string> groups = ListedWidgetGroups();
    if (settings_.Get(kHostGroup, kWidgetsKey)) return groups;
    const std::string suffix = SettingsGroup("");
    for (std::string group : settings_.GroupNames()) {
        const bool moduleGroup =
            group.size() > suffix.size() && _stricmp(group.c_str() + group.size() - suffix.size(), suffix.c_str()) == 0;
        if (moduleGroup)
            group.resize(group.size() - suffix.size());
        else if (!std::any_of(std::begin(kWidgetKeys), std::end(kWidgetKeys),
                              [&](const char* key) { return settings_.Get(group, key).has_value(); }))
            continue;
        const auto same = [&group](const std::string& taken) { return _stricmp(taken.c_str(), group.c_str()) == 0; };
        if (std::none_of(groups.begin(), groups.end(), same)) groups.push_back(group);
    }
    return groups;
}

void HostConfig::WriteWidgetGroups(const std::vector<std::string>& groups) {
    std::string list;
    for (const std::string& group : groups) list += (list.empty() ? "" : ",") + group;
    settings_.Set(kHostGroup, kWidgetsKey, list);
}

std::string HostConfig::NewGroup(const std::vector<std::string>& taken) {
    for (int number = 1;; ++number) {
        std::string group = "Widget" + std::to_string(number);
        if (std::find(taken.begin(), taken.end(), group) == taken.end()) return group;
    }
}

POINT HostConfig::ReadPosition(const std::string& group, POINT fallback) const {
    KeptPlace place;
    place.screen = {ReadInt(group, "X", fallback.x), ReadInt(group, "Y", fallback.y)};
    place.monitor = ReadString(group, "Monitor");
    place.fromMonitor = {ReadInt(group, "MonitorX", 0), ReadInt(group, "MonitorY", 0)};
    return CurrentPosition(place, Monitors());
}

void HostConfig::WritePosition(const std::string& group, POINT position) {
    const KeptPlace place = PlaceOn(position, MonitorAt(position));
    settings_.Set(group, "X", std::to_string(place.screen.x));
    settings_.Set(group, "Y", std::to_string(place.screen.y));
    settings_.Set(group, "Monitor", place.monitor);
    settings_.Set(group, "MonitorX", std::to_string(place.fromMonitor.x));
    settings_.Set(group, "MonitorY", std::to_string(place.fromMonitor.y));
}

WidgetOptions HostConfig::ReadOptions(const std::string& group) const {
    WidgetOptions options;
    options.layer = LayerNamed(ReadString(group, "Layer"));
    options.locked = ReadInt(group, "Locked", options.locked) != 0;
    options.snap = ReadInt(group, "Snap", options.snap) != 0;
    const int opacity = ReadInt(group, "Opacity", options.opacityPercent);
    options.opacityPercent = std::clamp(opacity / 10 * 10, WidgetOptions::kMinOpacity, 100);
    const std::string scale = ReadString(group, "Scale");
    if (!scale.empty() && scale != kAutoScale)
        options.scale = std::clamp(std::atoi(scale.c_str()), 1, WidgetOptions::kMaxScale);
    options.hideForFullScreen =
        ReadInt(group, "HideForFullScreen", WidgetOptions::DefaultHideForFullScreen(options.layer)) != 0;
    return options;
}

void HostConfig::WriteOptions(const std::string& group, const WidgetOptions& options) {
    settings_.Set(group, "Layer", kLayerNames[static_cast<int>(options.layer)]);
    settings_.Set(group, "Locked", options.locked ? "1" : "0");
    settings_.Set(group, "Snap", options.snap ? "1" : "0");
    settings_.Set(group, "Opacity", std::to_string(options.opacityPercent));
    settings_.Set(group, "Scale", options.scale ? std::to_string(options.scale) : kAutoScale);
    settings_.Set(group, "HideForFullScreen", options.hideForFullScreen ? "1" : "0");
}

// As the profile functions read a number: its leading digits, the fallback when the value is empty.
int HostConfig::ReadInt(const std::string& group, const char* key, int fallback) const {
    const std::string value = ReadString(group, key);
    return value.empty() ? fallback : static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
}

std::string HostConfig::ReadString(const std::string& group, const char* key) const {
    return settings_.Get(group, key).value_or("");
}

bool HostConfig::HasSettings(const std::string& group) const { return settings_.HasKeys(SettingsGroup(group)); }

void HostConfig::WriteSkin(const std::string& group, const std::string& skin) {
    settings_.Set(SettingsGroup(group), kSkinKey, skin);
}

std::string HostConfig::SkinOf(const std::string& group) const { return ReadString(SettingsGroup(group), kSkinKey); }

void HostConfig::Forget(const std::string& group) {
    settings_.RemoveGroup(group);
    settings_.RemoveGroup(SettingsGroup(group));
}

void HostConfig::TakeSettings(const SettingsCopy& copy, const std::vector<std::string>& groups) {
    if (!copy.file()) return;
    const IniDocument written = copy.Read();
    for (const std::string& group : groups) settings_.CopyGroup(written, SettingsGroup(group));
}

}  // namespace host
