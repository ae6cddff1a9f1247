// Start-up and closing of the wizard window: one copy only, placement, payload, simulators' folders,
// language and the remembered simulator.
#include "setup/SettingNames.h"
#include "setup/SimulatorFiles.h"
#include "setup/SimulatorFolders.h"
#include "app/wizard/TfMain.h"
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
  if (!core::FileExists(PayloadArchive())) {
    ui::ErrorBox(texts::kPayloadMissing, texts::kPayloadMissingCaption);
    CloseWithoutAsking();
    return Halt();
  }
  pc.SetActivePage(ts0);
  for (ui::Picture& picture : i4) {
    picture.Move(0, 0);
    picture.SetVisible(false);
  }
  ResImage = nullptr;
  FolderFSX = setup::FindSimulatorFolder(Simulator::FSX);
  FolderFS9 = setup::FindSimulatorFolder(Simulator::FS9);
  SetLanguage((core::ReadSetting(setup::setting::kLanguage) + "F")[0]);
  PreselectSimulator();
  lCode.SetText("");
  if (core::ReadSetting(setup::setting::kAccepted) == "Ok") {
    licenceRemembered_ = true;
    cb1.SetVisible(false);
    s1.SetEnabled(true);
  }
}

void TfMain::PreselectSimulator() {
  char remembered = (core::ReadSetting(setup::setting::kSimulator) + " ")[0];
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
