#pragma once
// Whether a path names an existing file or folder. UTF-16 for the layers that hold wide paths,
// UTF-8 for the rest.
#include <string>
#include <string_view>

namespace core {

bool FileExists(const std::wstring& path);  // a file, not a folder
bool FileExists(std::string_view utf8Path);
bool FolderExists(const std::wstring& path);
bool FolderExists(std::string_view utf8Path);

}  // namespace core
