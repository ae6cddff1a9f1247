#include <windows.h>

#include <exception>

#include "app/commandline/CommandLineRun.h"
#include "app/wizard/TfMain.h"
#include "core/Environment.h"
#include "core/SystemLibrary.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/WaitWindow.h"

namespace {

void RunWizard() {
  app::TfMain wizard;
  if (!wizard.Create()) {
    ui::ErrorBox("Impossible de créer la fenêtre de Pratilo.\r\nUnable to create the Pratilo window.", "Pratilo");
    return;
  }
  wizard.FormCreate();
  if (!wizard.Handle()) return;
  ui::App().SetMainForm(&wizard.form);
  ui::CreateWaitForm();
  wizard.Show();
  ui::App().Run();
  ui::App().SetMainForm(nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  core::RestrictDllSearch();
  core::InitEnvironment();
  ui::App().Initialize();
  ui::App().SetTitle("Pratilo");
  const app::ParsedCommandLine parsed = app::ParseCommandLine(core::CommandLineParameters());
  int exitCode = 0;
  try {
    if (parsed.request.action == app::Action::Wizard && parsed.problem.kind == app::CommandLineProblem::Kind::None)
      RunWizard();
    else
      exitCode = static_cast<int>(app::RunCommandLine(parsed));
  } catch (...) {
    // Events report their own errors; this catches what start-up itself raised.
    ui::App().ShowError(std::current_exception());
  }
  core::DoneEnvironment();
  return exitCode;
}
