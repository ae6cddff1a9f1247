#pragma once
// Whole archive jobs: one component per job, freed when the job returns, also when a failure passes
// through. What becomes of the component's progress events and of a failure on one file is the
// caller's: it hands the two handlers in.
#include <string_view>

#include "files/ZipArchiver.h"

namespace files {

struct ArchiveJobEvents {
  TZAProgressEvent progress;               // none: progress is not shown
  TZAProcessFileFailureEvent fileFailure;  // none: the request is abandoned at the failed file
};

// Adds the files of baseDir matching fileMask to the archive (created when missing). The archive's
// attributes are the same afterwards (none for a new one). Gives true; failures of the component
// reach the caller as EZAException.
bool AddToArchive(std::string_view archiveName, std::string_view baseDir, std::string_view fileMask,
                  const ArchiveJobEvents& events = {});

// Extracts the entries matching fileMask into destDir. False when the archive does not exist;
// otherwise true, failures of the component reaching the caller.
bool ExtractFromArchive(std::string_view archiveName, std::string_view destDir, std::string_view fileMask,
                        const ArchiveJobEvents& events = {});

}  // namespace files
