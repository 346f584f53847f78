// Folders and file paths of the module and its skins. Paths are 8-bit text
// limited to the system's 259 characters: a longer one is treated as absent.
#pragma once

#include <windows.h>

#include <string>

// Longest text of a skin name, settings text or path held in the 260-byte buffers.
constexpr size_t kMaxText = 259;

// Folder of the module's own file, ending in its separator; the whole file
// name when it holds no separator.
std::string ModuleFolder(HINSTANCE module);

// The parts joined with one separator between them (empty parts skipped), or
// empty when the result would not fit a 260-byte path buffer.
std::string JoinPath(std::initializer_list<std::string> parts);

// Cuts a text to what a 260-byte buffer holds.
std::string CutToBuffer(std::string text, size_t maxChars = kMaxText);
