// The uninstallation: the simulator's own texture back from the backup, the backup deleted only once
// the texture really is back.
#include "app/SimulatorRunning.h"
#include "app/TfMain.h"
#include "app/UninstallRun.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/MessageBoxes.h"

namespace app {

void TfMain::UninstallQuestion() {
  if (ui::MsgBox(PickText(texts::kUninstallQuestion), PickText(texts::kUninstallCaption), MB_YESNO) == IDYES &&
      SimulatorClosed(Lang, TextureFolder()))
    Uninstall();
}

void TfMain::Uninstall() {
  sb0.SetVisible(true);
  form.SetInputBlocked(true);
  RunOutcome outcome = RunUninstallation({.lang = Lang, .files = Files()}, {.statusBar = &sb0});
  sb0.SetVisible(false);  // the page's buttons must be reachable again
  form.SetInputBlocked(false);
  switch (outcome.kind) {
    case RunOutcome::Kind::Error:
      return ui::App().ShowError(outcome.error);
    case RunOutcome::Kind::Failed:
      // No text: the backup has gone since the simulator was chosen; nothing was restored or deleted.
      if (outcome.text.empty()) return b0.SetEnabled(false);
      return ui::WarningBox(outcome.text, "Pratilo");
    case RunOutcome::Kind::Finished:
      ui::WarningBox(PickText(texts::kUninstallDone), "Pratilo");
      return form.Close();
  }
}

}  // namespace app
