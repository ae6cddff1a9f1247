#pragma once
// Small file operations of the installation: attributes, delete with one retry, rename over a file.
// None of them raises; each reports by its result. Names are UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

namespace files {

// Clears read-only, hidden and system; gives the former attributes, 0 when there is no such file.
uint32_t ClearReadOnly(std::string_view fileName);

// Deletes a file whatever its attributes; one retry after letting pending window messages run.
bool RemoveFile(std::string_view fileName);

// Renames Source to Target. An existing target file is replaced atomically: when the rename fails
// it is still there, unchanged. The file under its new name carries the source's former
// attributes (none for a folder). Other renames go through the shell.
bool ShellRename(std::string_view source, std::string_view target);

// False only when another program holds the file open without letting others write or delete it
// (a sharing conflict, as a running simulator holds its textures). A missing file, and any other
// obstacle (a read-only file, a folder), is left for the operation itself to deal with.
bool CanReplaceFile(std::string_view fileName);

}  // namespace files
