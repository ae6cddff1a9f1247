#include "setup/Leftovers.h"

#include <windows.h>

#include "core/Utf8.h"
#include "files/FileHandle.h"
#include "files/ZipNames.h"
#include "setup/Backup.h"

namespace setup {
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
    return files::FileHasContent(folder + core::Narrow(name), entry);
  }
  return false;
}

}  // namespace

std::vector<std::string> FindLeftovers(const SimulatorFiles& files, const std::vector<files::FileStamp>& entries) {
  std::vector<std::wstring> targets = {core::Widen(kTextureName), core::Widen(kBackupName)};
  for (const files::FileStamp& entry : entries) targets.push_back(core::Widen(entry.name));
  // A killed copy of another add-on's texture: the temporaries of every name it may have had.
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt)
    targets.push_back(core::Widen(KeptOtherName("", attempt)));
  std::vector<std::string> found;
  for (const std::string& folder : {files.TextureFolder(), files.main})
    for (const std::wstring& name : FileNamesIn(folder))
      if (IsOurs(folder, name, targets, entries)) found.push_back(folder + core::Narrow(name));
  return found;
}

void RemoveLeftovers(const std::vector<std::string>& leftovers) {
  for (const std::string& path : leftovers) {
    const std::wstring wide = core::Widen(path);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(wide.c_str());
  }
}

}  // namespace setup
