// Files read and written whole. A file replaced here is, at every instant,
// either all of the old one or all of the new one: the new text goes into a
// file of its own beside it, reaches the disk, and only then takes the old
// one's name, in one step. A kill, a crash or a full disk half-way leaves the
// old file as it was.
#pragma once

#include <windows.h>

#include <string>

namespace host {

// The file's bytes; none when it is not there or cannot be read.
std::string ReadWholeFile(const std::string& path);
// Puts the text in place of the file's; empty when done, else what failed.
std::string ReplaceWholeFile(const std::string& path, const std::string& text);
// A new file of that text in the user's temporary folder; empty when it could not be made, and error says why.
std::string WriteTemporaryFile(const std::string& text, std::string& error);
// The system's words for an error code, on one line.
std::string SystemMessage(DWORD error);

}  // namespace host
