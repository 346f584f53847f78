#include "render/format_time.h"

#include <sstream>

std::wstring FormatTime(int seconds) {
    // Wide arithmetic: the magnitude of the most negative int does not fit an int.
    long long s = seconds;
    std::wostringstream text;
    if (s < 0) {
        // Time past a zero-length track: one sign in front, the groups as usual.
        text << L'-';
        s = -s;
    }
    const long long hours = s / 3600;
    if (hours > 0) text << hours << L':';
    s -= 3600 * hours;
    const long long minutes = s / 60;
    if (minutes < 10) text << L'0';
    text << minutes << L':';
    const long long rest = (s - 60 * minutes) % 60;
    if (rest < 10) text << L'0';
    text << rest;
    return text.str();
}
