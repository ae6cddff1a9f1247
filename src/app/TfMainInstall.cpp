// The installation run on the last page: the progress list, the run itself, and what the page shows
// and the program remembers once it has ended.
#include "app/Backup.h"
#include "app/SettingNames.h"
#include "app/InstallPlan.h"
#include "app/InstallRun.h"
#include "app/TfMain.h"
#include "core/Settings.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/MessageBoxes.h"

namespace app {

void TfMain::Install() {
  form.SetWaitCursor(true);
  form.SetInputBlocked(true);
  Installation job{.lang = Lang,
                   .files = Files(),
                   .entry = EntryName(VariantIndex(), TestGridChosen(), rg4q.ItemText(ResolutionIndex())),
                   .backupNeeded = BackupNeeded(InspectBackup(Files()))};
  clb7.Clear();
  for (const std::string& line : ProgressLines(Lang, job.backupNeeded, l6v.Text(), l6q.Text())) clb7.AddLine(line);
  clb7.SetSelectedIndex(-1);
  ui::App().ProcessMessages();
  RunOutcome outcome = RunInstallation(job, {.archive = {.statusBar = &sb7},
                                             .lineStarted = [this](int line) { clb7.SetSelectedIndex(line); },
                                             .lineDone = [this](int line) { clb7.SetChecked(line, true); }});
  form.SetInputBlocked(false);
  form.SetWaitCursor(false);
  switch (outcome.kind) {
    case RunOutcome::Kind::Failed:
      // A plain message in the current language; the program then stops.
      ui::MsgBox(outcome.text, ui::App().Title(), MB_OK);
      return Halt();
    case RunOutcome::Kind::Error:
      ui::App().ShowError(outcome.error);
      return ShowInstallEnded(false);
    case RunOutcome::Kind::Finished:
      ShowInstallEnded(true);
      core::WriteSetting(ChoiceSetting(ChosenSimulator()), ChoiceText(VariantIndex(), ResolutionIndex()));
      core::WriteSetting(setting::kAccepted, "Ok");
      return;
  }
}

void TfMain::ShowInstallEnded(bool finished) {
  l6.SetVisible(false);
  sb7.SetVisible(false);
  l7.SetVisible(finished);
  l7err.SetVisible(!finished);
  t7.SetVisible(true);
  clb7.SetSelectedIndex(-1);
  clb7.SetEnabled(false);
}

}  // namespace app
