#include "host/skin_ini_lines.h"

#include <algorithm>

namespace host {
namespace {

// The reader's white space: ASCII spaces and the DOS end-of-file mark.
bool IsSpace(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) == Lower(y); });
}

SkinIniLines SkinIniLines::Scan(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    SkinIniLines lines;
    int number = 0;
    size_t next = 0;
    while (next < bytes.size()) {
        // CR, LF and CR LF each end one line.
        const size_t end = std::min(bytes.find_first_of("\r\n", next), bytes.size());
        const std::string_view raw = bytes.substr(next, end - next);
        next = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;

        const std::string_view text = Trimmed(raw);
        // Comment lines are keys no one looks up; authors mean them as comments.
        if (text.empty() || text.front() == ';' || text.front() == '#') continue;
        const size_t close = text.rfind(']');
        if (text.front() == '[' && close != std::string_view::npos) {
            lines.groups_.push_back({std::string(Trimmed(text.substr(1, close - 1))), number, {}});
            continue;
        }
        IniKeyLine key;
        key.line = number;
        const size_t equals = text.find('=');
        key.hasValue = equals != std::string_view::npos;
        key.name = std::string(Trimmed(text.substr(0, equals)));
        if (key.hasValue) key.value = std::string(Trimmed(text.substr(equals + 1)));
        if (key.name.empty()) continue;
        (lines.groups_.empty() ? lines.loose_ : lines.groups_.back().keys).push_back(std::move(key));
    }
    return lines;
}

const IniGroupLines* SkinIniLines::Group(std::string_view name) const {
    for (const IniGroupLines& group : groups_)
        if (SameName(group.name, name)) return &group;
    return nullptr;
}

int SkinIniLines::LineOf(std::string_view group, std::string_view key) const {
    const IniGroupLines* found = Group(group);
    if (!found) return 0;
    for (const IniKeyLine& entry : found->keys)
        if (!key.empty() && SameName(entry.name, key)) return entry.line;
    return found->line;
}

}  // namespace host
