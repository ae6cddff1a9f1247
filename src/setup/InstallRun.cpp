#include "setup/InstallRun.h"

#include "files/EntryCheck.h"
#include "files/FileOps.h"
#include "setup/Backup.h"
#include "setup/Leftovers.h"

namespace setup {

std::vector<ProgressLine> PreparedInstallation::Lines() const {
  std::vector<ProgressLine> lines;
  if (plan.makeBackup) lines.push_back(ProgressLine::Backup);
  if (plan.keepOther) lines.push_back(ProgressLine::KeepOther);
  lines.push_back(ProgressLine::Install);
  return lines;
}

PreparedInstallation PrepareInstallation(const Installation& job) {
  PreparedInstallation prepared{SurveyFolder(job.files, job.simulator), {}};
  prepared.plan = PlanInstallation(prepared.survey);
  return prepared;
}

RunOutcome RunInstallation(const Installation& job, const PreparedInstallation& prepared, const RunProgress& progress) {
  using Step = RunOutcome::Step;
  const SimulatorFiles& f = job.files;
  const InstallPlan& plan = prepared.plan;
  RunOutcome outcome;
  outcome.originalLost = plan.originalLost;
  auto started = [&](ProgressLine line) {
    if (progress.lineStarted) progress.lineStarted(line);
  };
  auto done = [&](ProgressLine line) {
    if (progress.lineDone) progress.lineDone(line);
  };
  if (plan.refusal != Refusal::None)
    return outcome.Refused(plan.refusal, plan.refusal == Refusal::TextureUnreadable ? Step::Backup : Step::Extraction);
  Step step = Step::Backup;
  try {
    RemoveLeftovers(prepared.survey.leftovers);
    if (plan.setAside) {
      outcome.setAside = SetAsideBackup(f.Backup());
      if (outcome.setAside.empty()) return outcome.Failed(step);
    }
    if (plan.makeBackup) {
      started(ProgressLine::Backup);
      if (!ArchiveTexture(f, f.Backup(), progress.archive)) return outcome.Failed(step);
      done(ProgressLine::Backup);
    }
    if (plan.keepOther) {
      step = Step::KeepOther;
      started(ProgressLine::KeepOther);
      outcome.keptOther = KeepOtherTexture(f, progress.archive);
      if (outcome.keptOther.empty()) return outcome.Failed(step);
      done(ProgressLine::KeepOther);
    }
    started(ProgressLine::Install);
    const std::string extracted = f.TextureFolder() + job.entry;
    const auto entry = prepared.survey.PayloadEntry(job.entry);
    // Nothing of that name to take: a file of that name lying there is not ours to put in place.
    if (!entry) return outcome.Failed(Step::Renaming);
    step = Step::Extraction;
    progress.archive.Extract(f.payload, f.TextureFolder(), job.entry);
    // A damaged entry is skipped or abandoned, and an older file of its name may still be there.
    if (!files::FileHasContent(extracted, *entry)) {
      files::RemoveFile(extracted);
      return outcome.Failed(step);
    }
    step = Step::Renaming;
    if (!files::ShellRename(extracted, f.Texture()) || !files::FileHasContent(f.Texture(), *entry))
      return outcome.Failed(step);
    return outcome;
  } catch (...) {
    return outcome.Raised(step, std::current_exception());
  }
}

}  // namespace setup
