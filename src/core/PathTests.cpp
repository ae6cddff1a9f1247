#include "core/PathTests.h"

#include <windows.h>

#include "core/Utf8.h"

namespace core {

bool FileExists(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(std::string_view utf8Path) { return FileExists(Widen(utf8Path)); }

bool FolderExists(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(std::string_view utf8Path) { return FolderExists(Widen(utf8Path)); }

}  // namespace core
