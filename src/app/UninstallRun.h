#pragma once
// The uninstallation run, apart from the window: the simulator's own texture back from the backup,
// or, where the backup records that there was none, our texture removed; the backup deleted only
// once that is done.
#include "app/ArchiveWork.h"
#include "app/RunOutcome.h"
#include "app/SimulatorFiles.h"

namespace app {

struct Uninstallation {
  char lang = 'F';
  SimulatorFiles files;
};

// Failed at Step::NoBackup, with an empty text, when the backup has gone (nothing to restore, nothing deleted). Never
// raises: an error inside a step comes back as the outcome.
RunOutcome RunUninstallation(const Uninstallation& job, const ArchiveWork& archive);

}  // namespace app
