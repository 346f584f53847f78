// The whole-file ini reader against the system's own profile reader: the same
// file read both ways must give the same texts and integers.
#include "rig/rig.h"
#include "skin/ini_file.h"

#include <vector>

namespace {

const char* const kGroups[] = {"Text", "TEXT", " text ", "Spaced", " Spaced ", "Brackets]", "Brackets",
                               "Unclosed", "Ints", "Dup", "Zero", "Missing", ""};

const char* const kKeys[] = {"plain", "PLAIN", " plain ", "spaced", "empty", "noequals", "\"dq\"", "dq", "sq",
                             "mixed", "lonequote", "twoquotes", "innerquotes", "eqs", "tab", "case", "dup", "semi",
                             ";comment", "long", "longq", "longq2", "longq3", "longq4", "nbsp", "ctrlz", "late",
                             "k", "Top", "neg", "plus", "qlead", "hex", "hexupper", "oct", "bin", "abc", "over",
                             "over2", "minint", "longint", "quoted", "blank", "sp", "neghex", "plusminus",
                             "nul", "afternul", "missing", ""};

std::string Repeat(char c, size_t count) { return std::string(count, c); }

std::string TrickyIni(const char* newline) {
    const std::vector<std::string> lines = {
        "Top=9",
        "[Text]",
        "plain=Hello World",
        "  spaced   =   padded value   ",
        "empty=",
        "noequals",
        "\"dq\"=key in quotes",
        "dq=\"double quoted\"",
        "sq='single quoted'",
        "mixed=\"mismatch'",
        "lonequote=\"",
        "twoquotes=\"\"",
        "innerquotes=a \"b\" c",
        "eqs=a=b=c",
        "tab=\tTabbed\t",
        "CASE=upper key",
        "dup=first",
        "dup=second",
        "semi=;not a comment",
        ";comment=hidden",
        "long=" + Repeat('L', 300),
        "longq=\"" + Repeat('q', 258) + "\"",
        "longq2=\"" + Repeat('r', 259) + "\"",
        "longq3=\"" + Repeat('s', 260) + "\"",
        "longq4=\"" + Repeat('t', 98) + "\"",
        "nbsp=\xA0x\xA0",
        "ctrlz=\x1Avalue\x1A",
        "[Dup]",
        "k=from the first",
        "[text]",
        "late=from a second group of the same name",
        "[ Spaced ]",
        "k=spaced group",
        "[Brackets]]",
        "k=brackets",
        "[Unclosed",
        "k=unclosed",
        "[Dup]",
        "k=from the second",
        "only=second group only",
        "[Ints]",
        "neg=-5",
        "plus=+7",
        "qlead=\" 12abc\"",
        "hex=0x10",
        "hexupper=0X10",
        "oct=0o17",
        "bin=0b101",
        "abc=abc",
        "over=3000000000",
        "over2=99999999999",
        "minint=-2147483648",
        "longint=000000000000000000000000000000123",
        "quoted=\"42\"",
        "blank=\"\"",
        "sp=1 2",
        "neghex=-0x10",
        "plusminus=+-5",
        std::string("[Zero]"),
        std::string("nul=ab\0cd", 9),
        std::string("afternul\0x=3", 12),
    };
    std::string text;
    for (const std::string& line : lines) text += line + newline;
    return text;
}

// The same text as UTF-16 with its byte-order mark.
std::string Utf16(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text) bytes += {c, '\0'};
    return bytes;
}

int g_fileNumber = 0;

// Compares every lookup of the table on one file; the system reader caches
// files by name, so each file gets a fresh one.
void CompareWithSystemReader(const std::string& bytes) {
    const std::string path = rig::WorkFolder() + "tricky" + std::to_string(++g_fileNumber) + ".ini";
    rig::WriteTextFile(path, bytes);
    const IniFile ini = IniFile::Load(path);
    for (const char* group : kGroups) {
        for (const char* key : kKeys) {
            for (size_t size : {size_t{260}, size_t{100}}) {
                for (const char* fallback : {"fallback  ", "\"quoted fallback\"", ""}) {
                    char buffer[260] = {};
                    GetPrivateProfileStringA(group, key, fallback, buffer, DWORD(size), path.c_str());
                    const std::string mine = ini.ReadText(group, key, fallback, size);
                    if (mine != buffer)
                        check::Fail(__FILE__, __LINE__,
                                    std::string("text [") + group + "] " + key + ": '" + mine + "' != '" + buffer + "'");
                }
            }
            const int system = int(GetPrivateProfileIntA(group, key, 77, path.c_str()));
            const int mine = ini.ReadInt(group, key, 77);
            if (mine != system)
                check::Fail(__FILE__, __LINE__,
                            std::string("int [") + group + "] " + key + ": " + std::to_string(mine) +
                                " != " + std::to_string(system));
        }
    }
}

}  // namespace

TEST_CASE(ini_reader_agrees_with_the_system_reader) {
    CompareWithSystemReader(TrickyIni("\n"));
    CompareWithSystemReader(TrickyIni("\r\n"));
    CompareWithSystemReader(TrickyIni("\r"));
    CompareWithSystemReader("\xEF\xBB\xBF" + TrickyIni("\r\n"));
    CompareWithSystemReader(Utf16(TrickyIni("\r\n")));
    CompareWithSystemReader("[Text]\nplain=" + Repeat('x', 100000) + "\ndq=\"after a long line\"\n");
}

TEST_CASE(ini_reader_spot_checks) {
    const IniFile ini = IniFile::Parse(TrickyIni("\r\n"));
    CHECK_EQ(ini.ReadInt("Ints", "over", 0), -1294967296);
    CHECK_EQ(ini.ReadInt("Ints", "hex", 0), 16);
    CHECK_EQ(ini.ReadText("Text", "dq", "", 260), std::string("double quoted"));
    CHECK_EQ(ini.ReadText("Text", "long", "", 260), Repeat('L', 259));
    CHECK_EQ(ini.ReadText("Dup", "only", "absent", 260), std::string("absent"));
}

TEST_CASE(missing_or_unreadable_files_read_as_empty) {
    const IniFile missing = IniFile::Load(rig::WorkFolder() + "no such file.ini");
    CHECK_EQ(missing.ReadInt("Bg", "Width", 266), 266);
    CHECK_EQ(IniFile::Load("").ReadText("Info", "Name", "Unknown", 260), std::string("Unknown"));
    // A folder where the file should be.
    const std::string folder = rig::MakeSkin("folder_as_ini", "");
    CHECK_EQ(IniFile::Load(folder + "images").ReadInt("Bg", "Width", 5), 5);
}
