// Where quillhost keeps its settings file: in the user's roaming application
// data (%APPDATA%\Quillbracket\quillhost.ini), which roams with the user and
// is theirs to write, unlike the program's folder; beside the program for a
// portable copy (a file named quillhost.portable there). --config names any
// other file.
#pragma once

#include <string>

namespace host {

constexpr char kSettingsFileName[] = "quillhost.ini";
constexpr char kPortableMarker[] = "quillhost.portable";

// program: the program's path.
bool IsPortableCopy(const std::string& program);
// The user's roaming application data folder, ending in '\'; empty when the system names none.
std::string RoamingAppData();
// The settings file of the program: beside it for a portable copy or when
// there is no application data folder, else in appData's Quillbracket folder.
std::string SettingsFileFor(const std::string& program, const std::string& appData);
// Makes the settings file's folder and takes over the file that an earlier
// quillhost kept beside the program: copied when the new place has none yet,
// the old one renamed quillhost.ini.moved. The file to use: the old one
// while it cannot be copied.
std::string TakeOverSettings(const std::string& file, const std::string& program);

}  // namespace host
