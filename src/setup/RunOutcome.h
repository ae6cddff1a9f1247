#pragma once
// How an installation or an uninstallation ended: the step, what kind of failure, and the files
// concerned. The wizard and the command line each say it in their own words.
#include <exception>
#include <string>

#include "setup/Plans.h"

namespace setup {

struct RunOutcome {
  enum class Kind {
    Finished,
    Refused,  // nothing was changed: `refusal` says why
    Failed,   // a step did not give its result on disk
    Error,    // an error was raised inside a step; `error` holds it
  };
  // The step that failed or raised.
  enum class Step { None, Backup, KeepOther, Extraction, Renaming, Restoration, Deletion };
  Kind kind = Kind::Finished;
  Step step = Step::None;
  Refusal refusal = Refusal::None;
  std::exception_ptr error;
  // What the run did besides, for telling the user, also when a later step failed.
  std::string setAside;    // where the archive found in the backup's place went
  std::string keptOther;   // the archive that keeps another add-on's texture
  bool originalLost = false;  // that archive was the only copy of the original, and unusable

  bool Finished() const { return kind == Kind::Finished; }
};

}  // namespace setup
