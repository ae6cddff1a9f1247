// The uninstallation: the simulator's own texture back from the backup, the backup deleted only once
// the texture really is back.
#include "app/texts/RunTexts.h"
#include "app/wizard/SimulatorRunning.h"
#include "app/wizard/TfMain.h"
#include "setup/UninstallRun.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/ArchiveProgress.h"
#include "ui/dialogs/MessageBoxes.h"

namespace app {

void TfMain::UninstallQuestion() {
  if (ui::MsgBox(PickText(texts::kUninstallQuestion), PickText(texts::kUninstallCaption), MB_YESNO) == IDYES &&
      SimulatorClosed(Lang, TextureFolder()))
    Uninstall();
}

void TfMain::Uninstall() {
  const Simulator simulator = ChosenSimulator();
  setup::RunOutcome outcome;
  {
    sb0.SetVisible(true);
    ui::BusyForm busy(form);
    outcome = setup::RunUninstallation({.files = Files(), .simulator = simulator},
                                       {.events = [this] { return ui::ShownJobEvents(&sb0); }});
    sb0.SetVisible(false);  // the page's buttons must be reachable again
  }
  std::string notes;
  for (const std::string& note : OutcomeNotes(Lang, outcome)) notes += "\r\n\r\n" + note;
  switch (outcome.kind) {
    case setup::RunOutcome::Kind::Error:
      ui::App().ShowError(outcome.error);
      return ShowFolderState();
    case setup::RunOutcome::Kind::Refused:
    case setup::RunOutcome::Kind::Failed:
      // Nothing to say when the backup has gone since the simulator was chosen: nothing was changed.
      if (outcome.refusal == setup::Refusal::NothingToUninstall) b0.SetEnabled(false);
      else ui::WarningBox(UninstallFailedText(Lang, simulator, outcome) + notes, "Pratilo");
      return ShowFolderState();
    case setup::RunOutcome::Kind::Finished:
      ui::WarningBox(PickText(texts::kUninstallDone) + notes, "Pratilo");
      return CloseWithoutAsking();
  }
}

}  // namespace app
