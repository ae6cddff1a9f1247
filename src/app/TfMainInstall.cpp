// The installation run on the last page: backup of the simulator's texture (first time only), the
// chosen texture out of the payload, renamed into place, and the choice remembered.
#include "app/Choices.h"
#include "app/InstallPlan.h"
#include "app/TfMain.h"
#include "core/Settings.h"
#include "files/jobs/ArchiveJobs.h"
#include "files/FileOps.h"
#include "ui/Application.h"
#include "ui/MessageBoxes.h"

namespace app {

void TfMain::Install() {
  form.SetWaitCursor(true);
  bool finished = false;
  try {
    finished = InstallSteps();
  } catch (...) {
    // Shown, then the page offers Ok so that the program can be closed.
    form.SetWaitCursor(false);
    ui::App().ShowError(std::current_exception());
    ShowInstallFinished();
    return;
  }
  if (!finished) return Halt();
  ShowInstallFinished();
  core::WriteSetting(ChoiceSetting(ChosenSimulator()), ChoiceText(VariantIndex(), ResolutionIndex()));
  core::WriteSetting(setting::kAccepted, "Ok");
}

bool TfMain::InstallSteps() {
  // A plain message in the current language; the program then stops.
  auto fail = [this](const std::string& text) {
    form.SetWaitCursor(false);
    ui::MsgBox(text, ui::App().Title(), MB_OK);
    return false;
  };
  clb7.Clear();
  bool backupNeeded = !FileExists(BackupArchive());
  for (const std::string& line : ProgressLines(Lang, backupNeeded, l6v.Text(), l6q.Text())) clb7.AddLine(line);
  clb7.SetSelectedIndex(-1);
  ui::App().ProcessMessages();
  int line = 0;
  if (backupNeeded) {
    clb7.SetSelectedIndex(line);
    if (!files::ArchiveAdd(BackupArchive(), TextureFolder(), &sb7, kTextureName))
      return fail(BackupFailedText(Lang));
    clb7.SetChecked(line++, true);
  }
  clb7.SetSelectedIndex(line);
  std::string entry = EntryName(VariantIndex(), TestGridChosen(), rg4q.ItemText(ResolutionIndex()));
  if (!files::ArchiveExtract(PayloadArchive(), TextureFolder(), &sb7, entry))
    return fail(ExtractFailedText(Lang));
  if (!files::ShellRename(TextureFolder() + entry, TextureFolder() + kTextureName))
    return fail(RenameFailedText(Lang, entry, TextureFolder()));
  return true;
}

void TfMain::ShowInstallFinished() {
  l6.SetVisible(false);
  sb7.SetVisible(false);
  l7.SetVisible(true);
  t7.SetVisible(true);
  clb7.SetSelectedIndex(-1);
  clb7.SetEnabled(false);
  form.SetWaitCursor(false);
}

}  // namespace app
