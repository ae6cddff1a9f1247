#include "app/Leftovers.h"

#include <windows.h>

#include <vector>

#include "core/Utf8.h"
#include "files/EntryCheck.h"
#include "files/FileHandle.h"
#include "files/ZipNames.h"

namespace app {
namespace {

std::vector<std::wstring> FileNamesIn(const std::string& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(core::Widen(folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool IsOurs(const std::string& folder, const std::wstring& name, const std::vector<std::wstring>& targets,
            const std::vector<files::FileStamp>& entries) {
  for (const std::wstring& target : targets)
    if (files::IsTempNameFor(target, name)) return true;
  for (const files::FileStamp& entry : entries) {
    if (!files::zip::SameEntryName(entry.name, core::Narrow(name))) continue;
    auto stamp = files::StampOfFile(folder + core::Narrow(name));
    return stamp && stamp->SameContent(entry);
  }
  return false;
}

void RemoveLeftoversIn(const std::string& folder, const std::vector<std::wstring>& targets,
                       const std::vector<files::FileStamp>& entries) {
  for (const std::wstring& name : FileNamesIn(folder)) {
    if (!IsOurs(folder, name, targets, entries)) continue;
    std::wstring path = core::Widen(folder) + name;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
  }
}

}  // namespace

void RemoveLeftovers(const SimulatorFiles& files) {
  std::vector<files::FileStamp> entries = files::FileEntries(files.payload).value_or(std::vector<files::FileStamp>{});
  std::vector<std::wstring> targets = {core::Widen(kTextureName), core::Widen(kBackupName)};
  for (const files::FileStamp& entry : entries) targets.push_back(core::Widen(entry.name));
  RemoveLeftoversIn(files.TextureFolder(), targets, entries);
  RemoveLeftoversIn(files.main, targets, entries);
}

}  // namespace app
