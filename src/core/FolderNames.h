#pragma once
// Completing, trimming and creating folder names (UTF-8, backslash separators).
#include <string>
#include <string_view>

namespace core {

std::string AddBackslash(std::string_view folder);
std::string RemoveBackslash(std::string_view folder);
// Creates the folder, a path taken as it is, with every missing parent; true when it exists afterwards.
bool CreateFolders(std::string_view folder);
// CreateFolders of the trimmed name, without its final backslash; false for a blank name.
bool ForceFolder(std::string_view folder);

}  // namespace core
