// A track's length as the player writes it: m:ss, or h:mm:ss from an hour on.
#pragma once

#include <cwchar>
#include <string>

namespace player_objects {

inline std::wstring FormatDuration(long seconds) {
    if (seconds < 0) seconds = 0;
    wchar_t text[32];
    if (seconds >= 3600)
        swprintf(text, 32, L"%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    else
        swprintf(text, 32, L"%ld:%02ld", seconds / 60, seconds % 60);
    return text;
}

}  // namespace player_objects
