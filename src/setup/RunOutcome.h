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
  // The outcome so far, ended at a step; what the run did before stays said.
  RunOutcome Failed(Step at) const { return Ended(Kind::Failed, at, Refusal::None, nullptr); }
  RunOutcome Refused(Refusal why, Step at) const { return Ended(Kind::Refused, at, why, nullptr); }
  RunOutcome Raised(Step at, std::exception_ptr raised) const { return Ended(Kind::Error, at, Refusal::None, raised); }

 private:
  RunOutcome Ended(Kind how, Step at, Refusal why, std::exception_ptr raised) const {
    RunOutcome ended = *this;
    ended.kind = how;
    ended.step = at;
    ended.refusal = why;
    ended.error = std::move(raised);
    return ended;
  }
};

}  // namespace setup
