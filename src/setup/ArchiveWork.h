#pragma once
// How a run does its archive jobs. The layer above decides what becomes of their progress and of a
// file that fails (the wizard shows the one and asks about the other); without events a job shows
// nothing and ends at a file that fails.
#include <functional>
#include <string_view>

#include "files/jobs/ArchiveJobs.h"

namespace setup {

struct ArchiveWork {
  // Gives the events of one job; asked once per job, and let go of when the job returns.
  std::function<files::ArchiveJobEvents()> events;

  bool Add(std::string_view archiveName, std::string_view baseDir, std::string_view fileMask) const {
    return files::AddToArchive(archiveName, baseDir, fileMask, events ? events() : files::ArchiveJobEvents{});
  }
  bool Extract(std::string_view archiveName, std::string_view destDir, std::string_view fileMask) const {
    return files::ExtractFromArchive(archiveName, destDir, fileMask, events ? events() : files::ArchiveJobEvents{});
  }
};

}  // namespace setup
