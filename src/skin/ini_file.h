// A settings file read once into memory and looked up by the rules of the
// system's profile reader (GetPrivateProfileStringA / IntA), so that a skin
// reads the same as through those calls at a fraction of their cost.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    struct KeyLine {
        std::string name;
        std::string value;      // as written, quotes and all
        bool hasValue = false;  // the line has an '='
        int line = 0;
    };
    struct GroupLines {
        std::string name;
        int line = 0;  // 0 for the keys above the first group
        std::vector<KeyLine> keys;
    };

    IniFile() = default;
    // Reads the whole file up to kMaxSkinIniBytes; an absent or unreadable file is empty.
    static IniFile Load(const std::string& path);
    // The same rules over file bytes already in memory (encoding marks included).
    static IniFile Parse(std::string_view bytes);

    // The value as a buffer of bufferSize bytes would receive it, or the
    // fallback when the group or key is absent or the key has no '='.
    std::string ReadText(std::string_view group, std::string_view key, std::string_view fallback,
                         size_t bufferSize) const;
    // Decimal, or "0x", "0o", "0b" prefixed, with optional sign; wraps on
    // overflow; an absent or empty value gives the fallback.
    int ReadInt(std::string_view group, std::string_view key, int fallback) const;

    // Every group and key where it stands, in file order and split as the
    // lookups split them, for a tool that shows an author a line. The keys
    // above the first group come first, in a group without a name.
    std::vector<GroupLines> Lines() const;

private:
    struct Span {
        uint32_t start = 0;
        uint32_t length = 0;
    };
    struct Entry {
        uint32_t section = 0;
        uint32_t order = 0;
        Span name;
        Span value;
        bool hasValue = false;
        uint32_t line = 0;
    };

    void Index();
    std::wstring_view Folded(Span span) const;
    const Entry* Find(std::string_view group, std::string_view key) const;
    std::wstring ReadWide(std::string_view group, std::string_view key, std::wstring fallback, size_t bufferSize) const;

    std::wstring text_;
    std::wstring folded_;  // text_ lower-cased, for matching names
    std::vector<Span> sections_;
    std::vector<uint32_t> sectionLines_;
    std::vector<uint32_t> sectionsByName_;  // by name, then file order
    std::vector<Entry> entries_;            // by section, name, then file order
};
