#include "core/FolderNames.h"

#include <windows.h>

#include "core/Utf8.h"
#include "core/ValueText.h"

namespace core {

namespace {

bool IsFolder(const std::string& path) {
  const DWORD attr = GetFileAttributesW(Widen(path).c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ParentOf(const std::string& folder) {
  const size_t at = folder.find_last_of("\\/");
  return at == std::string::npos ? std::string() : folder.substr(0, at);
}

bool CreateFolderPath(const std::string& folder) {
  const std::string parent = ParentOf(folder);
  if (CharCount(folder) < 3 || IsFolder(folder) || parent == folder) return true;
  if (!parent.empty() && !CreateFolderPath(parent)) return false;
  return CreateDirectoryW(Widen(folder).c_str(), nullptr) || IsFolder(folder);
}

}  // namespace

std::string AddBackslash(std::string_view folder) {
  std::string out(folder);
  if (out.empty() || out.back() != '\\') out += '\\';
  return out;
}

std::string RemoveBackslash(std::string_view folder) {
  if (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  return std::string(folder);
}

bool ForceFolder(std::string_view folder) {
  const std::string name = RemoveBackslash(TrimText(folder));
  if (name.empty()) return false;
  return CreateFolderPath(name);
}

}  // namespace core
