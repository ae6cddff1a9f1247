#include "core/FolderNames.h"

#include <windows.h>

#include "core/PathTests.h"
#include "core/Utf8.h"
#include "core/TextTools.h"

namespace core {

namespace {

std::string ParentOf(const std::string& folder) {
  const size_t at = folder.find_last_of("\\/");
  return at == std::string::npos ? std::string() : folder.substr(0, at);
}

}  // namespace

bool CreateFolders(std::string_view path) {
  const std::string folder(path);
  const std::string parent = ParentOf(folder);
  if (CharCount(folder) < 3 || FolderExists(folder) || parent == folder) return true;
  if (!parent.empty() && !CreateFolders(parent)) return false;
  return CreateDirectoryW(Widen(folder).c_str(), nullptr) || FolderExists(folder);
}

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
  return CreateFolders(name);
}

}  // namespace core
