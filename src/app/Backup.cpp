#include "app/Backup.h"

#include <windows.h>

#include <algorithm>

#include "core/Utf8.h"
#include "files/EntryCheck.h"
#include "files/FileOps.h"

namespace app {
namespace {

// Removes the archive it watches unless it is kept: a backup that failed its check is no backup.
class UncheckedArchive {
 public:
  explicit UncheckedArchive(std::string path) : path_(std::move(path)) {}
  ~UncheckedArchive() {
    if (!kept_) files::RemoveFile(path_);
  }
  UncheckedArchive(const UncheckedArchive&) = delete;
  UncheckedArchive& operator=(const UncheckedArchive&) = delete;
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  bool kept_ = false;
};

// What the two files looked like when the backup was last judged; reading back a large texture
// takes a moment, and the summary page asks again at every change of folder.
struct Judged {
  std::wstring archive;
  WIN32_FILE_ATTRIBUTE_DATA archiveData{}, textureData{};
  BackupState state = BackupState::None;
};

bool SameData(const WIN32_FILE_ATTRIBUTE_DATA& a, const WIN32_FILE_ATTRIBUTE_DATA& b) {
  return a.nFileSizeHigh == b.nFileSizeHigh && a.nFileSizeLow == b.nFileSizeLow &&
         CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0 && a.dwFileAttributes == b.dwFileAttributes;
}

WIN32_FILE_ATTRIBUTE_DATA DataOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(core::Widen(path).c_str(), GetFileExInfoStandard, &data)) data = {};
  return data;
}

BackupState Judge(const SimulatorFiles& files) {
  switch (files::ReadBackEntry(files.Backup(), kTextureName)) {
    case files::EntryReadBack::Intact: return BackupState::Saved;
    case files::EntryReadBack::NoEntries:
      return !FileExists(files.Texture()) || TextureIsOurs(files) ? BackupState::Record : BackupState::Unusable;
    default: return FileExists(files.Backup()) ? BackupState::Unusable : BackupState::None;
  }
}

}  // namespace

BackupState InspectBackup(const SimulatorFiles& files) {
  if (!FileExists(files.Backup())) return BackupState::None;
  static Judged last;
  Judged now{core::Widen(files.Backup()), DataOf(files.Backup()), DataOf(files.Texture())};
  if (now.archive == last.archive && SameData(now.archiveData, last.archiveData) &&
      SameData(now.textureData, last.textureData))
    return last.state;
  now.state = Judge(files);
  last = now;
  return now.state;
}

std::string SetAsideName(std::string_view archivePath, int attempt) {
  std::string path(archivePath);
  size_t dot = path.find_last_of('.');
  size_t slash = path.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
  std::string mark = attempt <= 1 ? " (unusable)" : " (unusable " + std::to_string(attempt) + ")";
  return path.substr(0, dot) + mark + path.substr(dot);
}

bool SetAsideBackup(const std::string& archivePath) {
  std::wstring from = core::Widen(archivePath);
  for (int attempt = 1; attempt <= 100; ++attempt) {
    std::wstring to = core::Widen(SetAsideName(archivePath, attempt));
    // No replace flag: a file of that name, set aside before, stays as it is.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

bool MakeBackup(const SimulatorFiles& files, const ArchiveWork& work) {
  UncheckedArchive archive(files.Backup());
  work.Add(files.Backup(), files.TextureFolder(), kTextureName);
  const files::EntryReadBack readBack = files::ReadBackEntry(files.Backup(), kTextureName);
  bool holds = FileExists(files.Texture()) ? readBack == files::EntryReadBack::Intact &&
                                                 files::FileMatchesEntry(files.Backup(), kTextureName, files.Texture())
                                           : readBack == files::EntryReadBack::NoEntries;
  if (holds) archive.Keep();
  return holds;
}

bool TextureIsOurs(const SimulatorFiles& files) {
  auto entries = files::FileEntries(files.payload);
  if (!entries || entries->empty()) return false;
  auto texture = files::StampOfFile(files.Texture());
  return texture && std::any_of(entries->begin(), entries->end(),
                                [&](const files::FileStamp& entry) { return entry.SameContent(*texture); });
}

}  // namespace app
