#pragma once
// Completing, trimming and creating folder names (UTF-8, backslash separators).
#include <string>
#include <string_view>

namespace core {

std::string AddBackslash(std::string_view folder);
std::string RemoveBackslash(std::string_view folder);
// Creates the folder with every missing parent; true when it exists afterwards.
bool ForceFolder(std::string_view folder);

}  // namespace core
