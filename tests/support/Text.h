#pragma once
// UTF-8 and UTF-16 for the test helpers themselves: the end-to-end programs link no program code,
// so the helpers they share cannot borrow the program's conversion.
#include <string>
#include <string_view>

namespace testing_support {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace testing_support
