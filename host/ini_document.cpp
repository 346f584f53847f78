#include "host/ini_document.h"

#include <algorithm>
#include <cstring>

namespace host {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr char kBlanks[] = " \t";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

// The group a header line opens ("[name]"); none for any other line.
std::optional<std::string> HeaderName(const std::string& line) {
    const std::string text = Trimmed(line);
    const size_t end = text.find(']');
    if (text.empty() || text[0] != '[' || end == std::string::npos) return std::nullopt;
    return Trimmed(text.substr(1, end - 1));
}

// The key a line sets ("key=value"); none for comments, blank lines and lines without "=".
std::optional<std::string> KeyOf(const std::string& line) {
    const std::string text = Trimmed(line);
    const size_t equals = text.find('=');
    if (text.empty() || text[0] == ';' || equals == std::string::npos) return std::nullopt;
    return Trimmed(text.substr(0, equals));
}

std::string ValueOf(const std::string& line) {
    std::string value = Trimmed(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

IniDocument::IniDocument(const std::string& text) {
    size_t start = 0;
    if (text.compare(0, 3, kUtf8Mark) == 0) {
        byteOrderMark_ = kUtf8Mark;
        start = 3;
    }
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        if (const std::optional<std::string> name = HeaderName(line))
            groups_.push_back({*name, line, {}});
        else
            groups_.back().lines.push_back(line);
    }
}

std::string IniDocument::Text() const {
    std::string text = byteOrderMark_;
    for (const Group& group : groups_) {
        if (!group.header.empty()) text += group.header + "\r\n";
        for (const std::string& line : group.lines) text += line + "\r\n";
    }
    return text;
}

const IniDocument::Group* IniDocument::Find(const std::string& group) const {
    // The lines before the first group belong to none.
    const auto found = std::find_if(groups_.begin() + 1, groups_.end(),
                                    [&](const Group& candidate) { return SameName(candidate.name, group); });
    return found == groups_.end() ? nullptr : &*found;
}

IniDocument::Group* IniDocument::Find(const std::string& group) {
    return const_cast<Group*>(static_cast<const IniDocument*>(this)->Find(group));
}

std::vector<std::string> IniDocument::GroupNames() const {
    std::vector<std::string> names;
    for (auto group = groups_.begin() + 1; group != groups_.end(); ++group)
        if (Find(group->name) == &*group) names.push_back(group->name);
    return names;
}

std::optional<std::string> IniDocument::Get(const std::string& group, const std::string& key) const {
    const Group* found = Find(group);
    if (!found) return std::nullopt;
    for (const std::string& line : found->lines)
        if (const std::optional<std::string> name = KeyOf(line); name && SameName(*name, key)) return ValueOf(line);
    return std::nullopt;
}

void IniDocument::Set(const std::string& group, const std::string& key, const std::string& value) {
    Group* found = Find(group);
    if (!found) found = &groups_.emplace_back(Group{group, "[" + group + "]", {}});
    for (std::string& line : found->lines) {
        if (const std::optional<std::string> name = KeyOf(line); name && SameName(*name, key)) {
            line = *name + "=" + value;
            return;
        }
    }
    // After the group's last line that is not blank: the blank lines that part groups stay between them.
    auto last = std::find_if(found->lines.rbegin(), found->lines.rend(),
                             [](const std::string& line) { return !Trimmed(line).empty(); });
    found->lines.insert(last.base(), key + "=" + value);
}

bool IniDocument::HasKeys(const std::string& group) const {
    const Group* found = Find(group);
    return found && std::any_of(found->lines.begin(), found->lines.end(),
                                [](const std::string& line) { return KeyOf(line).has_value(); });
}

void IniDocument::RemoveGroup(const std::string& group) {
    groups_.erase(std::remove_if(groups_.begin() + 1, groups_.end(),
                                 [&](const Group& candidate) { return SameName(candidate.name, group); }),
                  groups_.end());
}

void IniDocument::CopyGroup(const IniDocument& from, const std::string& group) {
    const Group* source = from.Find(group);
    if (!source) return;
    if (Group* target = Find(group))
        target->lines = source->lines;
    else
        groups_.push_back(*source);
}

}  // namespace host
