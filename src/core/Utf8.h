#pragma once
// The program keeps UTF-8 text; Win32 W functions take UTF-16.
#include <string>
#include <string_view>

namespace core {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// Number of characters (code points) in UTF-8 text.
size_t CharCount(std::string_view utf8);

}  // namespace core
