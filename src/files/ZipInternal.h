#pragma once
// Helpers shared by the parts of the zip component (not for its users).
#include <windows.h>

#include <mutex>
#include <string>

#include "files/ZipRecords.h"

namespace files::zip {

// Held while files are gathered (the current directory is changed meanwhile) and while entries
// are extracted. Recursive, because progress and failure handlers may start nested requests.
std::recursive_mutex& ArchiveLock();

// DOS time of a file time (UTC), or of now when the file time cannot be converted.
DosTime DosTimeOf(const FILETIME* utc);
// UTC file time of a DOS time; false when the DOS fields are not a valid date.
bool FileTimeOf(DosTime dos, FILETIME& utc);

// Restores the process's current directory when it goes out of scope.
class CurrentDirectoryGuard {
 public:
  CurrentDirectoryGuard();
  ~CurrentDirectoryGuard();
  CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
  CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

 private:
  std::wstring saved_;
};

// Deletes a temporary file when it goes out of scope, unless released.
class TempFileGuard {
 public:
  explicit TempFileGuard(std::wstring path = {}) : path_(std::move(path)) {}
  ~TempFileGuard() {
    if (!path_.empty()) DeleteFileW(path_.c_str());
  }
  TempFileGuard(const TempFileGuard&) = delete;
  TempFileGuard& operator=(const TempFileGuard&) = delete;
  void Reset(std::wstring path) { path_ = std::move(path); }
  void Release() { path_.clear(); }

 private:
  std::wstring path_;
};

}  // namespace files::zip
