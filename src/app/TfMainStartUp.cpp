// Start-up and closing of the wizard window: one copy only, placement, payload, simulators' folders,
// language and the remembered simulator.
#include "app/SettingNames.h"
#include "app/SimulatorFiles.h"
#include "app/SimulatorFolders.h"
#include "app/TfMain.h"
#include "core/Environment.h"
#include "core/Settings.h"
#include "core/SingleInstance.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/WindowPlacement.h"

namespace app {

void TfMain::Halt() {
  if (halt_) return halt_();
  core::HaltProgram(1);
}

void TfMain::FormCreate() {
  core::CheckSingleInstance(ui::App().Handle(), "",
                            [](const std::string& text, const std::string& caption) { ui::ErrorBox(text, caption); });
  ui::LoadFormPos(form, true);
  if (!FileExists(PayloadArchive())) {
    ui::ErrorBox(texts::kPayloadMissing, texts::kPayloadMissingCaption);
    form.Close();
    return Halt();
  }
  pc.SetActivePage(ts0);
  for (ui::Picture& picture : i4) {
    picture.Move(0, 0);
    picture.SetVisible(false);
  }
  ResImage = nullptr;
  FolderFSX = FindSimulatorFolder(Simulator::FSX);
  FolderFS9 = FindSimulatorFolder(Simulator::FS9);
  SetLanguage((core::ReadSetting(setting::kLanguage) + "F")[0]);
  PreselectSimulator();
  lCode.SetText("");
  if (core::ReadSetting(setting::kAccepted) == "Ok") {
    cb1.SetVisible(false);
    s1.SetEnabled(true);
  }
}

void TfMain::PreselectSimulator() {
  char remembered = (core::ReadSetting(setting::kSimulator) + " ")[0];
  ui::RadioButton* chosen = nullptr;
  if (remembered == '9') chosen = &rbFS9;
  else if (remembered == 'X') chosen = &rbFSX;
  else if (!FolderFSX.empty()) chosen = &rbFSX;
  else if (!FolderFS9.empty()) chosen = &rbFS9;
  if (!chosen) return;
  chosen->SetChecked(true);
  Clic(*chosen);
}

void TfMain::FormClose() { ui::SaveFormPos(form, ui::WindowState::Normal); }

}  // namespace app
