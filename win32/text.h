// UTF-8, as the core and the designs hold their texts, to and from the UTF-16 of Windows.
#pragma once

#include <string>
#include <string_view>

namespace win {

std::wstring widened(std::string_view utf8);
std::string narrowed(std::wstring_view utf16);

}  // namespace win
