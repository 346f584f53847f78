// The helper speaks UTF-8; the player's interfaces speak UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace bridge::windows {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace bridge::windows
