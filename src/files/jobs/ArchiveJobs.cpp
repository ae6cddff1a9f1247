#include "files/jobs/ArchiveJobs.h"

#include <windows.h>

#include "core/Utf8.h"
#include "files/FileHandle.h"
#include "files/FileOps.h"

namespace files {
namespace {

// The handlers stay with the job: the component lets go of them however the request ends.
class HookedEvents {
 public:
  HookedEvents(TZipBaseArchiver& zip, const ArchiveJobEvents& events) : zip_(zip) {
    zip_.OnOverallProgress = events.progress;
    zip_.OnProcessFileFailure = events.fileFailure;
  }
  ~HookedEvents() {
    zip_.OnOverallProgress = nullptr;
    zip_.OnProcessFileFailure = nullptr;
  }
  HookedEvents(const HookedEvents&) = delete;
  HookedEvents& operator=(const HookedEvents&) = delete;

 private:
  TZipBaseArchiver& zip_;
};

}  // namespace

bool AddToArchive(std::string_view archiveName, std::string_view baseDir, std::string_view fileMask,
                  const ArchiveJobEvents& events) {
  std::wstring archive = core::Widen(archiveName);
  // Cleared so the component can open the archive for writing; put back however the job ends.
  uint32_t remembered = FileExists(archive) ? ClearReadOnly(archiveName) : 0;
  struct RestoreAttributes {
    const std::wstring& path;
    uint32_t attributes;
    ~RestoreAttributes() {
      // Only an archive file: a folder in its place, which the job refused, keeps its attributes.
      if (FileExists(path)) SetFileAttributesW(path.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
    }
  } restore{archive, remembered};

  TZipBaseArchiver zip;
  zip.FileName = std::string(archiveName);
  zip.BaseDir = std::string(baseDir);
  zip.OpenZip();
  {
    HookedEvents hooked(zip, events);
    zip.AddMatching(fileMask, attr::AnyFile, "");
  }
  zip.CloseZip();
  return true;
}

bool ExtractFromArchive(std::string_view archiveName, std::string_view destDir, std::string_view fileMask,
                        const ArchiveJobEvents& events) {
  if (!FileExists(core::Widen(archiveName))) return false;
  TZipBaseArchiver zip;
  zip.FileName = std::string(archiveName);
  zip.BaseDir = std::string(destDir);
  zip.OpenZip();
  {
    HookedEvents hooked(zip, events);
    zip.ExtractMatching(fileMask, attr::AnyFile, "");
  }
  zip.CloseZip();
  return true;
}

}  // namespace files
