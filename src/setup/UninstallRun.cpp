#include "setup/UninstallRun.h"

#include "files/EntryCheck.h"
#include "files/FileOps.h"
#include "setup/Backup.h"
#include "setup/Leftovers.h"

namespace setup {

RunOutcome RunUninstallation(const Uninstallation& job, const ArchiveWork& archive) {
  using Step = RunOutcome::Step;
  const SimulatorFiles& f = job.files;
  RunOutcome outcome;
  Step step = Step::Restoration;
  try {
    const Survey survey = SurveyFolder(f, job.simulator);
    const UninstallPlan plan = PlanUninstallation(survey);
    if (plan.refusal != Refusal::None) return outcome.Refused(plan.refusal, step);
    RemoveLeftovers(survey.leftovers);
    if (plan.keepOther) {
      step = Step::KeepOther;
      outcome.keptOther = KeepOtherTexture(f, archive);
      if (outcome.keptOther.empty()) return outcome.Failed(step);
    }
    step = Step::Restoration;
    if (plan.restore) {
      archive.Extract(f.Backup(), f.TextureFolder(), kTextureName);
      // A file that could not be replaced may have been skipped: the backup is the only copy of
      // the original and stays until the texture is really back.
      if (!files::FileHasContent(f.Texture(), *survey.saved)) return outcome.Failed(step);
    }
    if (plan.removeTexture && !files::RemoveFile(f.Texture())) return outcome.Failed(step);
    step = Step::Deletion;
    if (!files::RemoveFile(f.Backup()) || FileExists(f.Backup())) return outcome.Failed(step);
    return outcome;
  } catch (...) {
    return outcome.Raised(step, std::current_exception());
  }
}

}  // namespace setup
