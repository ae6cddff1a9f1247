#include "app/InstallRun.h"

#include "app/Backup.h"
#include "app/InstallPlan.h"
#include "app/Leftovers.h"
#include "files/FileOps.h"
#include "ui/dialogs/ArchiveProgress.h"

namespace app {

RunOutcome RunInstallation(const Installation& job, const RunProgress& progress) {
  auto started = [&](int line) {
    if (progress.lineStarted) progress.lineStarted(line);
  };
  const SimulatorFiles& f = job.files;
  try {
    RemoveLeftovers(f);
    int line = 0;
    if (job.backupNeeded) {
      started(line);
      // An archive that is no backup is kept under another name, never overwritten.
      if (FileExists(f.Backup()) && !SetAsideBackup(f.Backup()))
        return RunOutcome::Failure(BackupFailedText(job.lang));
      if (!MakeBackup(f, progress.statusBar)) return RunOutcome::Failure(BackupFailedText(job.lang));
      if (progress.lineDone) progress.lineDone(line);
      ++line;
    }
    started(line);
    if (!ui::ArchiveExtract(f.payload, f.TextureFolder(), progress.statusBar, job.entry))
      return RunOutcome::Failure(ExtractFailedText(job.lang));
    if (!files::ShellRename(f.TextureFolder() + job.entry, f.Texture()))
      return RunOutcome::Failure(RenameFailedText(job.lang, job.entry, f.TextureFolder()));
    return RunOutcome::Done();
  } catch (...) {
    return RunOutcome::Raised(std::current_exception());
  }
}

}  // namespace app
