#include "app/InstallRun.h"

#include "app/Backup.h"
#include "app/InstallPlan.h"
#include "app/Leftovers.h"
#include "files/FileOps.h"

namespace app {

RunOutcome RunInstallation(const Installation& job, const RunProgress& progress) {
  auto started = [&](int line) {
    if (progress.lineStarted) progress.lineStarted(line);
  };
  using Step = RunOutcome::Step;
  const SimulatorFiles& f = job.files;
  Step step = job.backupNeeded ? Step::Backup : Step::Extraction;
  try {
    RemoveLeftovers(f);
    int line = 0;
    if (job.backupNeeded) {
      started(line);
      // An archive that is no backup is kept under another name, never overwritten.
      if (FileExists(f.Backup()) && !SetAsideBackup(f.Backup()))
        return RunOutcome::Failure(step, BackupFailedText(job.lang));
      if (!MakeBackup(f, progress.archive)) return RunOutcome::Failure(step, BackupFailedText(job.lang));
      if (progress.lineDone) progress.lineDone(line);
      ++line;
    }
    step = Step::Extraction;
    started(line);
    if (!progress.archive.Extract(f.payload, f.TextureFolder(), job.entry))
      return RunOutcome::Failure(step, ExtractFailedText(job.lang));
    step = Step::Renaming;
    if (!files::ShellRename(f.TextureFolder() + job.entry, f.Texture()))
      return RunOutcome::Failure(step, RenameFailedText(job.lang, job.entry, f.TextureFolder()));
    return RunOutcome::Done();
  } catch (...) {
    return RunOutcome::Raised(step, std::current_exception());
  }
}

}  // namespace app
