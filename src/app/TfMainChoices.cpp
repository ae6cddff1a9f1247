// The four choice operations that keep the window consistent: simulator, folder, variant, resolution.
#include "app/Backup.h"
#include "app/SettingNames.h"
#include "app/SimulatorFiles.h"
#include "app/StoredChoice.h"
#include "app/ViewStrip.h"
#include "app/TfMain.h"
#include "core/FolderNames.h"
#include "core/Settings.h"
#include "core/TextTools.h"

namespace app {

void TfMain::SimulatorChoice() {
  SetCaption();
  bool fs9 = rbFS9.Checked();
  FolderFS = fs9 ? FolderFS9 : FolderFSX;
  core::WriteSetting(setting::kSimulator, fs9 ? "9" : "X");
  StoredChoice stored = ReadStoredChoice(core::ReadSetting(fs9 ? setting::kChoiceFS9 : setting::kChoiceFSX));
  rg2v.SetSelectedIndex(stored.variant);  // the group clamps to its last item
  VariantChoice();
  rg4q.SetSelectedIndex(stored.resolution);
  ResolutionChoice();
  b0.SetEnabled(FileExists(BackupArchive()));
  // Checked even when the text stays: the other simulator needs another marker file.
  e6.SetText(FolderFS);
  FolderCheck();
  l6Dossier.SetText(TagText(tag::kFolderLabel, l6Dossier.Text()));
  s0.SetEnabled(true);
}

void TfMain::FolderCheck() {
  std::string folder = core::AddBackslash(core::TrimText(e6.Text()));
  if (rbFS9.Checked()) {
    FolderFS9 = folder;
    s6.SetEnabled(FileExists(folder + kMarkerFS9));
  } else {
    FolderFSX = folder;
    s6.SetEnabled(FileExists(folder + kMarkerFSX));
  }
  FolderFS = folder;
  // "Already saved" only for a backup that can be trusted: anything else is set aside and saved anew.
  l6bkp.tag = BackupNeeded(InspectBackup(Files())) ? tag::kBackupWillBeSaved : tag::kBackupSaved;
  l6bkp.SetText(TagText(l6bkp.tag, l6bkp.Text()));
}

void TfMain::VariantChoice() {
  int variant = VariantIndex();
  l6v.SetText(rg2v.ItemText(variant));
  i2.Move(ViewOffset(variant), 0);
  if (ResImage) ResImage->SetVisible(false);
  l6q.SetVisible(true);
  if (variant >= 0 && variant < static_cast<int>(i4.size())) {
    ResImage = &i4[static_cast<size_t>(variant)];
  } else {
    ResImage = nullptr;  // the test grid has no resolution
    l6q.SetVisible(false);
  }
  if (ResImage) {
    ResImage->Move(ViewOffset(ResolutionIndex()), 0);
    ResImage->SetVisible(true);
  }
}

void TfMain::ResolutionChoice() {
  l6q.SetText(ResolutionText());
  if (ResImage) ResImage->Move(ViewOffset(ResolutionIndex()), 0);
}

std::string TfMain::ResolutionText() const {
  std::string item = rg4q.ItemText(ResolutionIndex());
  return PickText(texts::kResolution) + item + " x " + item;
}

}  // namespace app
