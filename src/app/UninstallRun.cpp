#include "app/UninstallRun.h"

#include "app/Backup.h"
#include "app/Leftovers.h"
#include "app/Texts.h"
#include "files/EntryCheck.h"
#include "files/FileOps.h"

namespace app {
namespace {

// The folder had no texture of its own: only ours goes, anything else put there since stays.
RunOutcome ForgetRecord(const Uninstallation& job) {
  const SimulatorFiles& f = job.files;
  if (FileExists(f.Texture()) && TextureIsOurs(f) && !files::RemoveFile(f.Texture()))
    return RunOutcome::Failure(RunOutcome::Step::Restoration, PickText(job.lang, texts::kRestoreFailed));
  files::RemoveFile(f.Backup());
  return RunOutcome::Done();
}

}  // namespace

RunOutcome RunUninstallation(const Uninstallation& job, const ArchiveWork& archive) {
  using Step = RunOutcome::Step;
  const SimulatorFiles& f = job.files;
  try {
    RemoveLeftovers(f);
    if (auto entries = files::FileEntries(f.Backup()); entries && entries->empty()) return ForgetRecord(job);
    if (!archive.Extract(f.Backup(), f.TextureFolder(), kTextureName)) return RunOutcome::Failure(Step::NoBackup, "");
    // A file that could not be replaced (a running simulator holds it) may have been skipped: the
    // backup is the only copy of the original and stays until the texture is really back.
    if (!files::FileMatchesEntry(f.Backup(), kTextureName, f.Texture()))
      return RunOutcome::Failure(Step::Restoration, PickText(job.lang, texts::kRestoreFailed));
    files::RemoveFile(f.Backup());
    return RunOutcome::Done();
  } catch (...) {
    return RunOutcome::Raised(Step::Restoration, std::current_exception());
  }
}

}  // namespace app
