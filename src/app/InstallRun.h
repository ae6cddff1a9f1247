#pragma once
// The installation run, apart from the window: leftovers of a killed run removed, the backup made
// and checked when needed, the chosen texture taken out of the payload and renamed into place.
#include <functional>
#include <string>

#include "app/ArchiveWork.h"
#include "app/RunOutcome.h"
#include "app/SimulatorFiles.h"

namespace app {

struct Installation {
  char lang = 'F';
  SimulatorFiles files;
  std::string entry;  // the payload entry to put in place of the texture
  bool backupNeeded = false;  // as judged when the progress list was filled
};

// Where the run shows its progress; anything may be left empty. Lines are those of the progress
// list: the backup line (when the backup is needed), then the installation line.
struct RunProgress {
  ArchiveWork archive;
  std::function<void(int line)> lineStarted;
  std::function<void(int line)> lineDone;
};

// Never raises: an error inside a step comes back as the outcome.
RunOutcome RunInstallation(const Installation& job, const RunProgress& progress);

}  // namespace app
