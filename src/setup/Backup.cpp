#include "setup/Backup.h"

#include <windows.h>

#include "core/Utf8.h"
#include "files/EntryCheck.h"
#include "files/FileOps.h"

namespace setup {
namespace {

// Removes the archive it watches unless it is kept: an archive that failed its check is no copy.
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

std::string WithMark(std::string_view path, const std::string& mark) {
  std::string text(path);
  size_t dot = text.find_last_of('.');
  const size_t slash = text.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = text.size();
  return text.substr(0, dot) + mark + text.substr(dot);
}

}  // namespace

std::string SetAsideName(std::string_view archivePath, int attempt) {
  return WithMark(archivePath, attempt <= 1 ? " (unusable)" : " (unusable " + std::to_string(attempt) + ")");
}

std::string KeptOtherName(std::string_view mainFolder, int attempt) {
  const std::string path = std::string(mainFolder) + kKeptOtherName;
  return attempt <= 1 ? path : WithMark(path, " (" + std::to_string(attempt) + ")");
}

std::string SetAsideBackup(const std::string& archivePath) {
  const std::wstring from = core::Widen(archivePath);
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    std::string to = SetAsideName(archivePath, attempt);
    // No replace flag: a file of that name, set aside before, stays as it is.
    if (MoveFileExW(from.c_str(), core::Widen(to).c_str(), MOVEFILE_WRITE_THROUGH)) return to;
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return {};
  }
  return {};
}

bool ArchiveTexture(const SimulatorFiles& files, const std::string& archivePath, const ArchiveWork& work) {
  UncheckedArchive archive(archivePath);
  work.Add(archivePath, files.TextureFolder(), kTextureName);
  const files::EntryReadBack readBack = files::ReadBackEntry(archivePath, kTextureName);
  const bool holds = FileExists(files.Texture())
                         ? readBack == files::EntryReadBack::Intact &&
                               files::FileMatchesEntry(archivePath, kTextureName, files.Texture())
                         : readBack == files::EntryReadBack::NoEntries;
  if (holds) archive.Keep();
  return holds;
}

std::string KeepOtherTexture(const SimulatorFiles& files, const ArchiveWork& work) {
  for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
    std::string path = KeptOtherName(files.main, attempt);
    if (FileExists(path) || core::FolderExists(path)) continue;
    return ArchiveTexture(files, path, work) ? path : std::string();
  }
  return {};
}

}  // namespace setup
