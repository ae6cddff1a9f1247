#pragma once
// STUB until merge
#include <string_view>
namespace files {
inline bool FileMatchesEntry(std::string_view, std::string_view, std::string_view) { return true; }
}
