// The counter's text for a number of seconds: minutes and seconds always in
// two digits, hours only from an hour on, one minus sign before a negative.
#pragma once

#include <string>

std::wstring FormatTime(int seconds);
