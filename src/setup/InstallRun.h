#pragma once
// The installation run: the folder surveyed afresh, leftovers of a killed run removed, an archive
// of no use set aside, the texture in place saved or kept when the plan says so, the chosen texture
// taken out of the payload and renamed into place, each step checked on disk.
#include <functional>
#include <string>

#include "setup/ArchiveWork.h"
#include "setup/Plans.h"
#include "setup/RunOutcome.h"
#include "setup/SimulatorFiles.h"

namespace setup {

struct Installation {
  SimulatorFiles files;
  Simulator simulator = Simulator::None;
  std::string entry;  // the payload entry to put in place of the texture
};

// The lines of a run's progress, in their order; those the plan does not need are left out.
enum class ProgressLine { Backup, KeepOther, Install };

// Where the run shows its progress; anything may be left empty.
struct RunProgress {
  ArchiveWork archive;
  std::function<void(ProgressLine)> lineStarted;
  std::function<void(ProgressLine)> lineDone;
};

// The folder as the run finds it, and what it will do there.
struct PreparedInstallation {
  Survey survey;
  InstallPlan plan;
  std::vector<ProgressLine> Lines() const;
};
PreparedInstallation PrepareInstallation(const Installation& job);

// Never raises: an error inside a step comes back as the outcome.
RunOutcome RunInstallation(const Installation& job, const PreparedInstallation& prepared, const RunProgress& progress);

}  // namespace setup
