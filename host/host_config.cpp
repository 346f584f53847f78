#include "host/host_config.h"

#include "host/module_library.h"

#include <algorithm>
#include <sstream>

namespace host {
namespace {

constexpr char kHostGroup[] = "Quillhost";
constexpr char kWidgetsKey[] = "Widgets";

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
        if (!group.empty() && std::find(groups.begin(), groups.end(), group) == groups.end())
            groups.push_back(group);
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
    const int x = static_cast<int>(GetPrivateProfileIntA(group.c_str(), "X", fallback.x, file_.c_str()));
    const int y = static_cast<int>(GetPrivateProfileIntA(group.c_str(), "Y", fallback.y, file_.c_str()));
    return {x, y};
}

void HostConfig::WritePosition(const std::string& group, POINT position) const {
    WritePrivateProfileStringA(group.c_str(), "X", std::to_string(position.x).c_str(), file_.c_str());
    WritePrivateProfileStringA(group.c_str(), "Y", std::to_string(position.y).c_str(), file_.c_str());
}

bool HostConfig::HasSettings(const std::string& group) const {
    char buffer[16] = {};
    return GetPrivateProfileSectionA(SettingsGroup(group).c_str(), buffer, sizeof buffer, file_.c_str()) > 0;
}

void HostConfig::Forget(const std::string& group) const {
    WritePrivateProfileStringA(group.c_str(), nullptr, nullptr, file_.c_str());
    WritePrivateProfileStringA(SettingsGroup(group).c_str(), nullptr, nullptr, file_.c_str());
}

}  // namespace host
