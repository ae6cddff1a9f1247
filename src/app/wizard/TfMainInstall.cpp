// The installation run on the last page: the progress list, the run itself, and what the page shows
// and the program remembers once it has ended.
#include <algorithm>

#include "app/texts/RunTexts.h"
#include "app/wizard/TfMain.h"
#include "core/Settings.h"
#include "setup/InstallChoice.h"
#include "setup/InstallRun.h"
#include "setup/SettingNames.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/ArchiveProgress.h"
#include "ui/dialogs/MessageBoxes.h"

namespace app {

void TfMain::Install() {
  const setup::Installation job{
      .files = Files(),
      .simulator = ChosenSimulator(),
      .entry = setup::EntryName(VariantIndex(), TestGridChosen(), ResolutionItem(ResolutionIndex()))};
  setup::RunOutcome outcome;
  {
    ui::BusyForm busy(form);
    const setup::PreparedInstallation prepared = setup::PrepareInstallation(job);
    const std::vector<setup::ProgressLine> lines = prepared.Lines();
    clb7.Clear();
    for (const std::string& line : ProgressLines(Lang, lines, VariantText(), ResolutionText())) clb7.AddLine(line);
    clb7.SetSelectedIndex(-1);
    ui::App().ProcessMessages();
    auto index = [lines](setup::ProgressLine line) {
      return static_cast<int>(std::find(lines.begin(), lines.end(), line) - lines.begin());
    };
    outcome = setup::RunInstallation(
        job, prepared,
        {.archive = {.events = [this] { return ui::ShownJobEvents(&sb7); }},
         .lineStarted = [this, index](setup::ProgressLine line) { clb7.SetSelectedIndex(index(line)); },
         .lineDone = [this, index](setup::ProgressLine line) { clb7.SetChecked(index(line), true); }});
  }
  // The only copy of the original was damaged: the user hears where it went, whatever came next.
  if (outcome.originalLost)
    for (const std::string& note : OutcomeNotes(Lang, outcome)) ui::WarningBox(note, "Pratilo");
  switch (outcome.kind) {
    case setup::RunOutcome::Kind::Refused:
    case setup::RunOutcome::Kind::Failed:
      // A plain message in the current language; the program then stops.
      ui::MsgBox(InstallFailedText(Lang, job.simulator, outcome, job.entry, TextureFolder()), ui::App().Title(), MB_OK);
      return Halt();
    case setup::RunOutcome::Kind::Error:
      ui::App().ShowError(outcome.error);
      return ShowInstallEnded(false);
    case setup::RunOutcome::Kind::Finished:
      ShowInstallEnded(true);
      core::WriteSetting(setup::ChoiceSetting(job.simulator), setup::ChoiceText(VariantIndex(), ResolutionIndex()));
      core::WriteSetting(setup::setting::kAccepted, "Ok");
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
