#!/usr/bin/env python3
"""Checks the Windows programs we ship for what Windows enforces and Wine forgives.

    tools/check_windows_binaries.py --version 2.0.2 build/x64 [--if-built build/x86] [FILE.exe ...]

A folder stands for the binaries a user gets from it (quillhost.exe and
Quillbracket.dll); a folder after --if-built is checked only when it holds them.
Each binary must carry a manifest, where it has one, for its own processor
(Windows refuses a 64-bit program whose manifest says x86: "side-by-side
configuration is incorrect"); a program must have one, with the fields below;
each needs version information of the project's version; and each may import
only DLLs that Windows ships. One line per binary, then what fails; the exit
status is 1 when anything fails.

Standard library only: the PE file is read here, as Debian has no reader for it.
"""
import argparse
import os
import struct
import sys
import xml.etree.ElementTree as ET

SHIPPED = ("quillhost.exe", "Quillbracket.dll")

MACHINES = {0x014C: "x86", 0x8664: "amd64"}

# Every Windows from 7 on has these in its system folder.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "gdiplus.dll", "ole32.dll", "oleaut32.dll", "shell32.dll",
    "shlwapi.dll", "comctl32.dll", "comdlg32.dll", "advapi32.dll", "ws2_32.dll", "dbghelp.dll", "uxtheme.dll",
    "msvcrt.dll", "ntdll.dll", "winmm.dll", "version.dll", "imm32.dll", "rpcrt4.dll", "crypt32.dll",
    "secur32.dll", "bcrypt.dll", "iphlpapi.dll", "psapi.dll", "msimg32.dll", "dwmapi.dll", "usp10.dll",
    "winspool.drv", "setupapi.dll", "userenv.dll", "wtsapi32.dll", "mpr.dll", "netapi32.dll", "urlmon.dll",
}

RT_VERSION = 16
RT_MANIFEST = 24
PROCESS_MANIFEST_ID = 1  # the one Windows reads when it starts a program

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
TRUST_NAMESPACES = ("{urn:schemas-microsoft-com:asm.v2}", ASM_V3)
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
SETTINGS_2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
SUPPORTED_OS = {
    "Windows 7": "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "Windows 8": "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "Windows 8.1": "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "Windows 10 and 11": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}
VERSION_STRINGS = ("CompanyName", "FileDescription", "FileVersion", "InternalName", "OriginalFilename",
                   "ProductName", "ProductVersion")


class Unreadable(Exception):
    pass


class PeFile:
    """The parts of a PE file the checks need: machine, resources and imports."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise Unreadable("not a Windows program file")
        nt = self.u32(0x3C)
        if self.data[nt:nt + 4] != b"PE\0\0":
            raise Unreadable("not a Windows program file")
        self.machine, section_count = self.unpack("<HH", nt + 4)
        optional_size = self.u16(nt + 20)
        optional = nt + 24
        magic = self.u16(optional)
        if magic not in (0x10B, 0x20B):
            raise Unreadable("unknown optional header 0x%x" % magic)
        directories = optional + (96 if magic == 0x10B else 112)
        directory_count = self.u32(directories - 4)
        self.directories = [self.unpack("<II", directories + 8 * i) for i in range(min(directory_count, 16))]
        first_section = optional + optional_size
        self.sections = [self.unpack("<IIII", first_section + 40 * i + 8) for i in range(section_count)]

    def u16(self, offset):
        return self.unpack("<H", offset)[0]

    def u32(self, offset):
        return self.unpack("<I", offset)[0]

    def unpack(self, form, offset):
        if offset < 0 or offset + struct.calcsize(form) > len(self.data):
            raise Unreadable("cut short: a header points past the file's end")
        return struct.unpack_from(form, self.data, offset)

    def offset(self, rva):
        for _, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + raw_size:
                return rva - address + raw_offset
        raise Unreadable("an address (0x%x) lies in no section" % rva)

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def text_at(self, rva):
        start = self.offset(rva)
        end = self.data.find(b"\0", start)
        return self.data[start:end if end >= 0 else len(self.data)].decode("ascii", "replace")

    def imports(self):
        rva, size = self.directory(1)
        names = []
        if not size:
            return names
        descriptor = self.offset(rva)
        while True:
            name_rva = self.u32(descriptor + 12)
            if name_rva == 0:
                return names
            names.append(self.text_at(name_rva))
            descriptor += 20

    def resources(self, type_id):
        """{(id, language): bytes} of one resource type."""
        rva, size = self.directory(2)
        if not size:
            return {}
        root = self.offset(rva)
        found = {}
        for kind, names in self.resource_entries(root, root):
            if kind != type_id:
                continue
            for name, languages in self.resource_entries(root, names):
                for language, leaf in self.resource_entries(root, languages):
                    data_rva, data_size = self.unpack("<II", leaf)
                    start = self.offset(data_rva)
                    found[(name, language)] = self.data[start:start + data_size]
        return found

    def resource_entries(self, root, table):
        named, numbered = self.u16(table + 12), self.u16(table + 14)
        for i in range(named + numbered):
            entry = table + 16 + 8 * i
            name, target = self.u32(entry), self.u32(entry + 4)
            yield (name if not name & 0x80000000 else None), root + (target & 0x7FFFFFFF)


def version_blocks(data, offset, end):
    """The VS_VERSIONINFO tree: (key, value bytes, text?, children) of each block."""
    blocks = []
    while offset + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
        if length < 6:
            break
        block_end = min(offset + length, end)
        key_end = offset + 6
        while key_end + 1 < block_end and data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[offset + 6:key_end].decode("utf-16-le", "replace")
        value_start = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if is_text else value_length
        value = data[value_start:min(value_start + value_size, block_end)]
        children_start = (value_start + value_size + 3) & ~3
        blocks.append((key, value, bool(is_text), version_blocks(data, children_start, block_end)))
        offset = (offset + length + 3) & ~3
    return blocks


def read_version(data):
    """(file version, product version, {string name: text}) of a version resource."""
    blocks = version_blocks(data, 0, len(data))
    if not blocks or blocks[0][0] != "VS_VERSION_INFO" or len(blocks[0][1]) < 24:
        return None
    _, fixed, _, children = blocks[0]
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD:
        return None
    quad = lambda ms, ls: "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    strings = {}
    for key, _, _, tables in children:
        if key == "StringFileInfo":
            for _, _, _, entries in tables:
                for name, value, _, _ in entries:
                    strings[name] = value.decode("utf-16-le", "replace").split("\0")[0]
    return quad(file_ms, file_ls), quad(product_ms, product_ls), strings


def check_manifest(text, machine, version, is_program):
    """What the manifest lacks, and the architecture it names."""
    try:
        assembly = ET.fromstring(text)
    except ET.ParseError as error:
        return ["the manifest is not well-formed XML (%s): Windows refuses to start the program" % error], None
    identity = assembly.find(ASM_V1 + "assemblyIdentity")
    if identity is None:
        return ["the manifest has no assemblyIdentity"], None
    arch = identity.get("processorArchitecture")
    fails = []
    if arch is None or arch.lower() != machine:
        fails.append('the manifest names processorArchitecture="%s" but the program\'s machine is %s: Windows '
                     'refuses to load it ("side-by-side configuration is incorrect")' % (arch, machine))
    if not is_program:
        return fails, arch
    if identity.get("version") != version:
        fails.append("the manifest's assembly version is %s, not %s" % (identity.get("version"), version))
    levels = [element.get("level") for namespace in TRUST_NAMESPACES
              for element in assembly.iter(namespace + "requestedExecutionLevel")]
    if "asInvoker" not in levels:
        fails.append('no trustInfo with requestedExecutionLevel level="asInvoker"')
    supported = {element.get("Id", "").lower() for element in assembly.iter(COMPATIBILITY + "supportedOS")}
    unsupported = [system for system, guid in SUPPORTED_OS.items() if guid not in supported]
    if unsupported:
        fails.append("no supportedOS entry for " + ", ".join(unsupported))
    dpi_aware = [(element.text or "").strip().lower() for element in assembly.iter(SETTINGS_2005 + "dpiAware")]
    if "true/pm" not in dpi_aware:
        fails.append("no dpiAware true/pm")
    awareness = [(element.text or "").split(",")[0].strip().lower()
                 for element in assembly.iter(SETTINGS_2016 + "dpiAwareness")]
    if "permonitorv2" not in awareness:
        fails.append("no dpiAwareness PerMonitorV2")
    controls = [element for element in assembly.iter(ASM_V1 + "assemblyIdentity")
                if element.get("name") == "Microsoft.Windows.Common-Controls"
                and element.get("version", "").startswith("6.")]
    if not controls:
        fails.append("no dependency on the common controls version 6")
    return fails, arch


def check_binary(path, version):
    """One line that describes the binary, and what fails."""
    pe = PeFile(path)
    machine = MACHINES.get(pe.machine, "machine 0x%04x" % pe.machine)
    name = os.path.basename(path)
    is_program = name.lower().endswith(".exe")
    quad = ".".join((version.split(".") + ["0"] * 4)[:4])
    fails = []

    manifests = pe.resources(RT_MANIFEST)
    arches = []
    if is_program and not any(key[0] == PROCESS_MANIFEST_ID for key in manifests):
        fails.append("no manifest (resource %d of type RT_MANIFEST)" % PROCESS_MANIFEST_ID)
    for (manifest_id, _), data in sorted(manifests.items(), key=lambda item: str(item[0])):
        manifest_fails, arch = check_manifest(data, machine, quad, is_program and manifest_id == PROCESS_MANIFEST_ID)
        fails += manifest_fails
        arches.append(str(arch))

    versions = [read_version(data) for data in pe.resources(RT_VERSION).values()]
    shown_version = "none"
    if not versions or versions[0] is None:
        fails.append("no version information (VERSIONINFO)")
    else:
        file_version, product_version, strings = versions[0]
        shown_version = strings.get("FileVersion", file_version)
        for label, fixed in (("FILEVERSION", file_version), ("PRODUCTVERSION", product_version)):
            if fixed != quad:
                fails.append("%s is %s, not %s" % (label, fixed, quad))
        for field in VERSION_STRINGS:
            if not strings.get(field):
                fails.append("the version information has no %s" % field)
        for field in ("FileVersion", "ProductVersion"):
            if strings.get(field) and strings[field] != version:
                fails.append("%s is %s, not %s" % (field, strings[field], version))
        original = strings.get("OriginalFilename")
        if original and original.lower() != name.lower():
            fails.append("OriginalFilename is %s, not %s" % (original, name))

    imports = pe.imports()
    for dll in imports:
        if dll.lower() not in SYSTEM_DLLS:
            fails.append("imports %s, which Windows does not ship: the program does not start without it" % dll)

    line = "%s: machine %s; manifest %s; version %s; imports %s" % (
        path, machine, ", ".join(arches) or "none", shown_version, ", ".join(imports) or "none")
    return line, fails


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--version", required=True, help="the project's version, e.g. 2.0.2")
    parser.add_argument("paths", nargs="+", help="build or dist folders, or single binaries")
    parser.add_argument("--if-built", action="append", default=[], metavar="FOLDER",
                        help="a folder checked only when it holds the binaries")
    args = parser.parse_args()

    paths, not_built = [], []
    for path in args.paths:
        paths += [os.path.join(path, name) for name in SHIPPED] if os.path.isdir(path) else [path]
    for folder in args.if_built:
        built = [os.path.join(folder, name) for name in SHIPPED]
        if any(os.path.isfile(path) for path in built):
            paths += built
        else:
            not_built.append(folder)

    failed = 0
    for path in paths:
        try:
            line, fails = check_binary(path, args.version)
        except (OSError, Unreadable) as error:
            line, fails = "%s: cannot be read" % path, [str(error)]
        print(line)
        for fail in fails:
            print("  FAIL: " + fail)
        failed += bool(fails)
    for folder in not_built:
        print("%s: not built, not checked" % folder)
    print("windows rules: %d of %d binaries fail" % (failed, len(paths)) if failed else
          "windows rules: all %d binaries pass" % len(paths))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
