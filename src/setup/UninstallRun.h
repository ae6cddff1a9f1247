#pragma once
// The uninstallation run: the simulator's own texture back from the backup, or, where the backup
// records that there was none, our texture removed; another add-on's texture kept first; the
// backup deleted only once that is done, and the deletion checked.
#include "setup/ArchiveWork.h"
#include "setup/RunOutcome.h"
#include "setup/SimulatorFiles.h"

namespace setup {

struct Uninstallation {
  SimulatorFiles files;
  Simulator simulator = Simulator::None;
};

// Surveys the folder afresh. Never raises: an error inside a step comes back as the outcome.
RunOutcome RunUninstallation(const Uninstallation& job, const ArchiveWork& archive);

}  // namespace setup
