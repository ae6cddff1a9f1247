#include <windows.h>

#include "app/TfMain.h"
#include "core/Environment.h"
#include "ui/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  core::InitEnvironment();
  ui::App().Initialize();
  ui::App().SetTitle("Pratilo");
  {
    app::TfMain wizard;
    if (wizard.Create()) {
      wizard.FormCreate();
      if (wizard.Handle()) {
        ui::App().SetMainForm(&wizard.form);
        wizard.Show();
        ui::App().Run();
        ui::App().SetMainForm(nullptr);
      }
    } else {
      MessageBoxW(nullptr, L"Impossible de créer la fenêtre de Pratilo.\r\nUnable to create the Pratilo window.",
                  L"Pratilo", MB_OK | MB_ICONERROR);
    }
  }
  core::DoneEnvironment();
  return 0;
}
