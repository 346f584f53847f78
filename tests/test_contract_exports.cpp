// Both architectures' modules export exactly the module's entry points, and
// both quillhosts the host functions, by their plain names: a host finds them
// with GetProcAddress by name, so a decorated x86 name ("_OnCreate@16") or a
// missing one is a widget that never loads. Each suite reads both builds'
// files (make build always builds both), so a machine that runs only x64 still
// checks the x86 module.
#include "rig/check.h"

#include "platform/host_contract.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Names = std::set<std::string>;

template <class T>
bool ReadAt(const std::vector<char>& file, size_t offset, T& value) {
    if (offset > file.size() || file.size() - offset < sizeof value) return false;
    std::memcpy(&value, file.data() + offset, sizeof value);
    return true;
}

struct PeFile {
    std::vector<char> bytes;
    WORD machine = 0;
    std::vector<IMAGE_SECTION_HEADER> sections;
    IMAGE_DATA_DIRECTORY exports = {};

    // The file offset of a relative virtual address, or 0 when no section holds it.
    size_t Offset(DWORD rva) const {
        for (const auto& section : sections)
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData)
                return rva - section.VirtualAddress + section.PointerToRawData;
        return 0;
    }
};

// The headers of a PE file of either word size, read from the file itself.
bool ReadPe(const std::string& path, PeFile& pe) {
    std::ifstream in(path, std::ios::binary);
    pe.bytes.assign(std::istreambuf_iterator<char>(in), {});
    IMAGE_DOS_HEADER dos;
    DWORD signature = 0;
    IMAGE_FILE_HEADER header;
    if (!ReadAt(pe.bytes, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE) return false;
    const size_t nt = static_cast<size_t>(dos.e_lfanew);
    if (!ReadAt(pe.bytes, nt, signature) || signature != IMAGE_NT_SIGNATURE) return false;
    if (!ReadAt(pe.bytes, nt + sizeof signature, header)) return false;
    pe.machine = header.Machine;
    const size_t optional = nt + sizeof signature + sizeof header;
    WORD magic = 0;
    if (!ReadAt(pe.bytes, optional, magic)) return false;
    const size_t directories = optional + (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
                                               ? offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                                               : offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory));
    if (!ReadAt(pe.bytes, directories + IMAGE_DIRECTORY_ENTRY_EXPORT * sizeof(IMAGE_DATA_DIRECTORY), pe.exports))
        return false;
    const size_t firstSection = optional + header.SizeOfOptionalHeader;
    pe.sections.resize(header.NumberOfSections);
    for (size_t i = 0; i < pe.sections.size(); ++i)
        if (!ReadAt(pe.bytes, firstSection + i * sizeof(IMAGE_SECTION_HEADER), pe.sections[i])) return false;
    return true;
}

// The names in the file's export table, as a loader's GetProcAddress sees them.
Names ExportedNames(const PeFile& pe) {
    Names names;
    IMAGE_EXPORT_DIRECTORY directory;
    if (pe.exports.Size == 0 || !ReadAt(pe.bytes, pe.Offset(pe.exports.VirtualAddress), directory)) return names;
    const size_t table = pe.Offset(directory.AddressOfNames);
    for (DWORD i = 0; i < directory.NumberOfNames; ++i) {
        DWORD nameRva = 0;
        if (!ReadAt(pe.bytes, table + i * sizeof nameRva, nameRva)) break;
        const size_t at = pe.Offset(nameRva);
        if (at == 0 || at >= pe.bytes.size()) break;
        names.insert(std::string(pe.bytes.data() + at, strnlen(pe.bytes.data() + at, pe.bytes.size() - at)));
    }
    return names;
}

#define QB_NAME_OF(name, result, parameters) #name,
const Names kModuleNames = {QB_MODULE_ENTRY_POINTS(QB_NAME_OF)};
const Names kHostNames = {QB_HOST_FUNCTIONS(QB_NAME_OF)};
#undef QB_NAME_OF

struct Architecture {
    const char* folder;
    WORD machine;
};
constexpr Architecture kArchitectures[] = {{"x86", IMAGE_FILE_MACHINE_I386}, {"x64", IMAGE_FILE_MACHINE_AMD64}};

void CheckExports(const char* file, const Names& expected) {
    for (const auto& architecture : kArchitectures) {
        // The suite runs in its own architecture's build folder; the other is beside it.
        const std::string path = std::string("..\\") + architecture.folder + "\\" + file;
        PeFile pe;
        if (!ReadPe(path, pe)) {
            ::check::Fail(__FILE__, __LINE__, path + " is missing or not a program file: build both architectures");
            continue;
        }
        CHECK_EQ(pe.machine, architecture.machine);
        const Names names = ExportedNames(pe);
        std::string unexpected, missing;
        for (const auto& name : names)
            if (!expected.count(name)) unexpected += " " + name;
        for (const auto& name : expected)
            if (!names.count(name)) missing += " " + name;
        CHECK_EQ(path + " unexpected:" + unexpected, path + " unexpected:");
        CHECK_EQ(path + " missing:" + missing, path + " missing:");
    }
}

}  // namespace

TEST_CASE(both_modules_export_exactly_the_entry_points_by_plain_name) {
    CheckExports("Quillbracket.dll", kModuleNames);
}

TEST_CASE(both_hosts_export_exactly_the_host_functions_by_plain_name) {
    CheckExports("quillhost.exe", kHostNames);
}
