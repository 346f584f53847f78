// Where each group and key of a "skin.ini" stands, by line, so that a problem
// can be shown at its place. Lines are split and trimmed as the module's
// reader splits them; values are read through the reader itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

struct IniKeyLine {
    std::string name;
    std::string value;
    bool hasValue = false;  // the line has an '='
    int line = 0;
};

struct IniGroupLines {
    std::string name;
    int line = 0;
    std::vector<IniKeyLine> keys;
};

class SkinIniLines {
public:
    static SkinIniLines Scan(std::string_view bytes);

    const std::vector<IniGroupLines>& groups() const { return groups_; }
    // Keys above the first group: the reader files them under no name.
    const std::vector<IniKeyLine>& loose() const { return loose_; }
    // The first group of the name (letter case ignored), as the reader takes it.
    const IniGroupLines* Group(std::string_view name) const;
    // The line of the key in that group, else of the group, else 0.
    int LineOf(std::string_view group, std::string_view key = {}) const;

private:
    std::vector<IniGroupLines> groups_;
    std::vector<IniKeyLine> loose_;
};

bool SameName(std::string_view a, std::string_view b);

}  // namespace host
