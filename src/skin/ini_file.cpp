// The whole file is decoded to UTF-16 the way the profile reader does it (a
// UTF-8 or UTF-16 byte-order mark, otherwise the ANSI code page), split into
// groups and keys once, and indexed so each lookup is a binary search. Names
// and values are spans into the decoded text, so no line is ever copied.
#include "skin/ini_file.h"

#include "platform/win_owners.h"
#include "skin/skin_limits.h"

#include <windows.h>

#include <algorithm>

namespace {

// The profile reader's white space: ASCII spaces and the DOS end-of-file mark.
bool IsProfileSpace(wchar_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A; }

std::wstring Decode(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring text(size_t(std::max(length, 0)), L'\0');
    if (length > 0) MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), text.data(), length);
    return text;
}

std::string Encode(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(std::max(length, 0)), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::wstring DecodeFile(std::string_view bytes) {
    const auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF")) return Decode(bytes.substr(3), CP_UTF8);
    const bool littleEndian = starts("\xFF\xFE");
    if (littleEndian || starts("\xFE\xFF")) {
        std::wstring text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto first = uint8_t(bytes[i]), second = uint8_t(bytes[i + 1]);
            text += wchar_t(littleEndian ? first | second << 8 : second | first << 8);
        }
        return text;
    }
    return Decode(bytes, CP_ACP);
}

std::wstring Lowered(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(text.data(), DWORD(text.size()));
    return text;
}

// A name looked up is trimmed like the lines of the file.
std::wstring LookupName(std::string_view name) {
    std::wstring wide(name.begin(), name.end());
    while (!wide.empty() && IsProfileSpace(wide.back())) wide.pop_back();
    size_t start = 0;
    while (start < wide.size() && IsProfileSpace(wide[start])) ++start;
    return Lowered(wide.substr(start));
}

// Names and values end at an embedded zero, as the reader's C strings do.
uint32_t LengthToZero(const std::wstring& text, uint32_t start, uint32_t length) {
    const size_t zero = text.find(L'\0', start);
    return zero != std::wstring::npos && zero < size_t{start} + length ? uint32_t(zero - start) : length;
}

// The reader's copy into a buffer: a value enclosed in matching quotes loses
// them, but the closing one only when the whole value fits the buffer.
std::wstring CopyEntry(std::wstring_view value, size_t bufferSize) {
    bool quoted = false;
    if (value.size() > 1 && (value[0] == L'\'' || value[0] == L'"') && value.back() == value[0]) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::wstring copy(value.substr(0, bufferSize - 1));
    if (quoted && bufferSize >= value.size() && !copy.empty()) copy.pop_back();
    return copy;
}

// The profile reader's integers: leading control characters and spaces
// skipped, one sign, a base prefix, digits up to the first non-digit, and
// unsigned 32-bit wrap-around.
int ParseProfileInt(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] <= L' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    uint32_t base = 10;
    if (i + 1 < text.size() && text[i] == L'0') {
        const wchar_t mark = text[i + 1];
        base = mark == L'x' ? 16 : mark == L'o' ? 8 : mark == L'b' ? 2 : 10;
        if (base != 10) i += 2;
    }
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const wchar_t c = text[i];
        uint32_t digit = 36;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (c >= L'a' && c <= L'z')
            digit = c - L'a' + 10;
        else if (c >= L'A' && c <= L'Z')
            digit = c - L'A' + 10;
        if (digit >= base) break;
        total = total * base + digit;
    }
    return int(negative ? 0u - total : total);
}

}  // namespace

IniFile IniFile::Load(const std::string& path) {
    if (path.empty()) return {};
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size)) return {};
    std::string bytes(static_cast<size_t>(std::min<LONGLONG>(size.QuadPart, kMaxSkinIniBytes)), '\0');
    size_t filled = 0;
    DWORD read = 0;
    while (filled < bytes.size() &&
           ReadFile(file.get(), bytes.data() + filled, DWORD(bytes.size() - filled), &read, nullptr) && read > 0)
        filled += read;
    bytes.resize(filled);
    return Parse(bytes);
}

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile ini;
    ini.text_ = DecodeFile(bytes.substr(0, kMaxSkinIniBytes));
    ini.folded_ = Lowered(ini.text_);
    ini.Index();
    return ini;
}

void IniFile::Index() {
    const std::wstring& text = text_;
    const uint32_t end = uint32_t(text.size());
    const auto isLineBreak = [&](uint32_t i) { return text[i] == L'\n' || text[i] == L'\r'; };
    const auto trim = [&](uint32_t& start, uint32_t& stop) {
        while (start < stop && IsProfileSpace(text[start])) ++start;
        while (stop > start && IsProfileSpace(text[stop - 1])) --stop;
    };
    // Keys before the first group belong to a group with an empty name.
    if (end > 0) {
        sections_.push_back({});
        sectionLines_.push_back(0);
    }
    uint32_t next = 0;
    uint32_t nextLine = 1;
    while (next < end) {
        const uint32_t line = nextLine;
        uint32_t start = next;
        while (next < end && !isLineBreak(next)) ++next;
        // CR, LF and CR LF each end one line.
        for (; next < end && isLineBreak(next); ++next)
            if (text[next] == L'\n' || next + 1 == end || text[next + 1] != L'\n') ++nextLine;
        uint32_t stop = next;
        trim(start, stop);
        if (start == stop) continue;

        if (text[start] == L'[') {
            uint32_t close = stop;
            while (close > start && text[close - 1] != L']') --close;
            if (close > start) {
                uint32_t nameStart = start + 1, nameStop = close - 1;
                trim(nameStart, nameStop);
                sections_.push_back({nameStart, LengthToZero(text, nameStart, nameStop - nameStart)});
                sectionLines_.push_back(line);
                continue;
            }
        }
        Entry entry;
        entry.section = uint32_t(sections_.size() - 1);
        entry.order = uint32_t(entries_.size());
        entry.name = {start, stop - start};
        entry.line = line;
        const size_t equals = text.find(L'=', start);
        if (equals != std::wstring::npos && equals < stop) {
            uint32_t nameEnd = uint32_t(equals);
            while (nameEnd > start && IsProfileSpace(text[nameEnd - 1])) --nameEnd;
            entry.name.length = nameEnd - start;
            uint32_t valueStart = uint32_t(equals) + 1;
            while (valueStart < stop && IsProfileSpace(text[valueStart])) ++valueStart;
            entry.value = {valueStart, LengthToZero(text, valueStart, stop - valueStart)};
            entry.hasValue = true;
        }
        entry.name.length = LengthToZero(text, entry.name.start, entry.name.length);
        // An empty name can never be looked up.
        if (entry.name.length > 0) entries_.push_back(entry);
    }

    for (uint32_t i = 0; i < sections_.size(); ++i) sectionsByName_.push_back(i);
    std::stable_sort(sectionsByName_.begin(), sectionsByName_.end(),
                     [&](uint32_t a, uint32_t b) { return Folded(sections_[a]) < Folded(sections_[b]); });
    std::stable_sort(entries_.begin(), entries_.end(), [&](const Entry& a, const Entry& b) {
        if (a.section != b.section) return a.section < b.section;
        return Folded(a.name) < Folded(b.name);
    });
}

std::wstring_view IniFile::Folded(Span span) const {
    return std::wstring_view(folded_).substr(span.start, span.length);
}

// Only the first group of a name is searched, and in it the first key of a
// name counts, also when it has no '='.
const IniFile::Entry* IniFile::Find(std::string_view group, std::string_view key) const {
    const std::wstring groupName = LookupName(group);
    const auto section =
        std::lower_bound(sectionsByName_.begin(), sectionsByName_.end(), groupName,
                         [&](uint32_t index, const std::wstring& name) { return Folded(sections_[index]) < name; });
    if (section == sectionsByName_.end() || Folded(sections_[*section]) != groupName) return nullptr;

    const std::wstring keyName = LookupName(key);
    const uint32_t sectionIndex = *section;
    const auto entry =
        std::lower_bound(entries_.begin(), entries_.end(), keyName, [&](const Entry& e, const std::wstring& name) {
            if (e.section != sectionIndex) return e.section < sectionIndex;
            return Folded(e.name) < name;
        });
    if (entry == entries_.end() || entry->section != sectionIndex || Folded(entry->name) != keyName) return nullptr;
    return &*entry;
}

std::wstring IniFile::ReadWide(std::string_view group, std::string_view key, std::wstring fallback,
                               size_t bufferSize) const {
    if (bufferSize == 0) return {};
    // The reader drops trailing blanks of the fallback, then treats it like a value.
    while (!fallback.empty() && fallback.back() == L' ') fallback.pop_back();
    const Entry* entry = Find(group, key);
    if (entry && entry->hasValue)
        return CopyEntry(std::wstring_view(text_).substr(entry->value.start, entry->value.length), bufferSize);
    return CopyEntry(fallback, bufferSize);
}

std::string IniFile::ReadText(std::string_view group, std::string_view key, std::string_view fallback,
                              size_t bufferSize) const {
    std::string text = Encode(ReadWide(group, key, Decode(fallback, CP_ACP), bufferSize));
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

std::vector<IniFile::GroupLines> IniFile::Lines() const {
    const auto textOf = [&](Span span) { return Encode(std::wstring_view(text_).substr(span.start, span.length)); };
    std::vector<GroupLines> groups;
    for (size_t i = 0; i < sections_.size(); ++i) groups.push_back({textOf(sections_[i]), int(sectionLines_[i]), {}});
    std::vector<const Entry*> inFileOrder;
    for (const Entry& entry : entries_) inFileOrder.push_back(&entry);
    std::sort(inFileOrder.begin(), inFileOrder.end(),
              [](const Entry* a, const Entry* b) { return a->order < b->order; });
    for (const Entry* entry : inFileOrder)
        groups[entry->section].keys.push_back(
            {textOf(entry->name), textOf(entry->value), entry->hasValue, int(entry->line)});
    return groups;
}

int IniFile::ReadInt(std::string_view group, std::string_view key, int fallback) const {
    // The reader takes integers through a 30-character buffer.
    const std::wstring value = ReadWide(group, key, {}, 30);
    return value.empty() ? fallback : ParseProfileInt(value);
}
