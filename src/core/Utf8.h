#pragma once
// The program keeps UTF-8 text; Win32 W functions take UTF-16.
#include <string>
#include <string_view>

namespace core {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace core
