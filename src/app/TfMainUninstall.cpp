// The uninstallation: the simulator's own texture back from the backup, the backup deleted only once
// the texture really is back.
#include "app/Choices.h"
#include "app/SimulatorRunning.h"
#include "app/TfMain.h"
#include "files/jobs/ArchiveJobs.h"
#include "files/EntryCheck.h"
#include "files/FileOps.h"
#include "ui/MessageBoxes.h"

namespace app {

void TfMain::UninstallQuestion() {
  if (ui::MsgBox(PickText(texts::kUninstallQuestion), PickText(texts::kUninstallCaption), MB_YESNO) == IDYES &&
      SimulatorClosed(Lang, TextureFolder()))
    Uninstall();
}

void TfMain::Uninstall() {
  std::string backup = BackupArchive();
  std::string texture = TextureFolder() + kTextureName;
  sb0.SetVisible(true);
  bool restored = false;
  try {
    restored = files::ArchiveExtract(backup, TextureFolder(), &sb0, kTextureName);
  } catch (...) {
    sb0.SetVisible(false);  // the page's buttons must be reachable again
    throw;
  }
  if (!restored) {
    // The backup has gone since the simulator was chosen: nothing to restore, nothing to delete.
    sb0.SetVisible(false);
    b0.SetEnabled(false);
    return;
  }
  // A file that could not be replaced (a running simulator holds it) may have been skipped: the
  // backup is the only copy of the original and stays until the texture is really back.
  if (!files::FileMatchesEntry(backup, kTextureName, texture)) {
    sb0.SetVisible(false);
    ui::WarningBox(PickText(texts::kRestoreFailed), "Pratilo");
    return;
  }
  files::RemoveFile(backup);
  sb0.SetVisible(false);
  ui::WarningBox(PickText(texts::kUninstallDone), "Pratilo");
  form.Close();
}

}  // namespace app
