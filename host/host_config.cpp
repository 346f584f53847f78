#include "host/host_config.h"

#include "host/module_library.h"

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

WidgetLayer LayerNamed(const std::string& name) {
    for (int i = 0; i < 3; ++i)
        if (name == kLayerNames[i]) return static_cast<WidgetLayer>(i);
    return WidgetLayer::Normal;
}

}  // namespace

HostConfig::HostConfig(const std::string& file) : file_(FullPath(file)) {}

std::vector<std::string> HostConfig::WidgetGroups() const {
    std::vector<char> buffer(32768);
    GetPrivateProfileStringA(kHostGroup, kWidgetsKey, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                             file_.c_str());
    std::vector<std::string> groups;
    std::istringstream list(buffer.data());
    for (std::string group; std::getline(list, group, ',');) {
        group.erase(0, group.find_first_not_of(' '));
        group.erase(group.find_last_not_of(' ') + 1);
        // A name given twice would make two widgets share one group.
        if (!group.empty() && std::find(groups.begin(), groups.end(), group) == groups.end()) groups.push_back(group);
    }
    return groups;
}

void HostConfig::WriteWidgetGroups(const std::vector<std::string>& groups) const {
    std::string list;
    for (const std::string& group : groups) list += (list.empty() ? "" : ",") + group;
    WritePrivateProfileStringA(kHostGroup, kWidgetsKey, list.c_str(), file_.c_str());
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

void HostConfig::WritePosition(const std::string& group, POINT position) const {
    const KeptPlace place = PlaceOn(position, MonitorAt(position));
    WriteString(group, "X", std::to_string(place.screen.x));
    WriteString(group, "Y", std::to_string(place.screen.y));
    WriteString(group, "Monitor", place.monitor);
    WriteString(group, "MonitorX", std::to_string(place.fromMonitor.x));
    WriteString(group, "MonitorY", std::to_string(place.fromMonitor.y));
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

void HostConfig::WriteOptions(const std::string& group, const WidgetOptions& options) const {
    WriteString(group, "Layer", kLayerNames[static_cast<int>(options.layer)]);
    WriteString(group, "Locked", options.locked ? "1" : "0");
    WriteString(group, "Snap", options.snap ? "1" : "0");
    WriteString(group, "Opacity", std::to_string(options.opacityPercent));
    WriteString(group, "Scale", options.scale ? std::to_string(options.scale) : kAutoScale);
    WriteString(group, "HideForFullScreen", options.hideForFullScreen ? "1" : "0");
}

int HostConfig::ReadInt(const std::string& group, const char* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(group.c_str(), key, fallback, file_.c_str()));
}

std::string HostConfig::ReadString(const std::string& group, const char* key) const {
    char buffer[64] = {};
    GetPrivateProfileStringA(group.c_str(), key, "", buffer, sizeof buffer, file_.c_str());
    return buffer;
}

void HostConfig::WriteString(const std::string& group, const char* key, const std::string& value) const {
    WritePrivateProfileStringA(group.c_str(), key, value.c_str(), file_.c_str());
}

bool HostConfig::HasSettings(const std::string& group) const {
    char buffer[16] = {};
    return GetPrivateProfileSectionA(SettingsGroup(group).c_str(), buffer, sizeof buffer, file_.c_str()) > 0;
}

void HostConfig::WriteSkin(const std::string& group, const std::string& skin) const {
    WriteString(SettingsGroup(group), kSkinKey, skin);
}

std::string HostConfig::SkinOf(const std::string& group) const { return ReadString(SettingsGroup(group), kSkinKey); }

void HostConfig::Forget(const std::string& group) const {
    WritePrivateProfileStringA(group.c_str(), nullptr, nullptr, file_.c_str());
    WritePrivateProfileStringA(SettingsGroup(group).c_str(), nullptr, nullptr, file_.c_str());
}

}  // namespace host
