// The four choice operations that keep the window consistent: simulator, folder, variant, resolution.
#include <algorithm>

#include "app/texts/RunTexts.h"
#include "app/wizard/TfMain.h"
#include "app/wizard/ViewStrip.h"
#include "core/FolderNames.h"
#include "core/Settings.h"
#include "core/TextTools.h"
#include "setup/Plans.h"
#include "setup/SettingNames.h"
#include "setup/StoredChoice.h"

namespace app {

namespace {
constexpr int kResolutionCount = 3;  // 1024, 512, 256
}  // namespace

void TfMain::SimulatorChoice() {
  SetCaption();
  bool fs9 = rbFS9.Checked();
  FolderFS = fs9 ? FolderFS9 : FolderFSX;
  core::WriteSetting(setup::setting::kSimulator, fs9 ? "9" : "X");
  setup::StoredChoice stored = setup::ReadStoredChoice(core::ReadSetting(fs9 ? setup::setting::kChoiceFS9 : setup::setting::kChoiceFSX));
  SetVariant(stored.variant);
  SetResolution(stored.resolution);
  // Checked even when the text stays: the other simulator needs another marker file.
  SetFolderText(FolderFS);
  // Judged once per choice of simulator: a folder typed later does not change it.
  b0.SetEnabled(FolderSurvey().backup != setup::BackupState::None);
  l6Dossier.SetText(TagText(tag::kFolderLabel, l6Dossier.Text()));
  s0.SetEnabled(true);
}

void TfMain::SetFolderText(const std::string& folder) {
  folderText_ = folder;
  e6.SetText(folder);
  FolderCheck();
}

void TfMain::FolderCheck() {
  if (e6.Handle()) folderText_ = e6.Text();
  std::string folder = core::AddBackslash(core::TrimText(folderText_));
  (rbFS9.Checked() ? FolderFS9 : FolderFSX) = folder;
  FolderFS = folder;
  ShowFolderState();
}

const setup::Survey& TfMain::FolderSurvey() {
  static const setup::Survey kNoFolder;
  if (FolderFS.empty()) return kNoFolder;
  return survey_.Of(Files(), rbFS9.Checked() ? Simulator::FS9 : Simulator::FSX);
}

void TfMain::ShowFolderState() {
  shown_.folder = true;
  const setup::Survey& survey = FolderSurvey();
  s6.SetEnabled(survey.mainFolder);
  l6bkp.tag = BackupNoticeTag(setup::PlanInstallation(survey), survey);
  l6bkp.SetText(TagText(l6bkp.tag, l6bkp.Text()));
  const Simulator simulator = ChosenSimulator();
  l0.SetText(simulator == Simulator::None ? "" : SurveyLine(Lang, simulator, FolderFS, survey));
}

// The groups keep to their items: a stored choice out of range takes the last one.
void TfMain::SetVariant(int index) {
  variant_ = std::clamp(index, -1, kTestGridIndex);
  rg2v.SetSelectedIndex(variant_);
  VariantChoice();
}

void TfMain::SetResolution(int index) {
  resolution_ = std::clamp(index, -1, kResolutionCount - 1);
  rg4q.SetSelectedIndex(resolution_);
  ResolutionChoice();
}

void TfMain::VariantChoice() {
  shown_.choice = true;
  if (rg2v.Handle()) variant_ = rg2v.SelectedIndex();
  int variant = VariantIndex();
  l6v.SetText(VariantText());
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
  if (rg4q.Handle()) resolution_ = rg4q.SelectedIndex();
  l6q.SetText(ResolutionText());
  if (ResImage) ResImage->Move(ViewOffset(ResolutionIndex()), 0);
}

std::string TfMain::VariantText() const { return app::VariantText(Lang, VariantIndex()); }

std::string TfMain::ResolutionText() const { return app::ResolutionText(Lang, ResolutionItem(ResolutionIndex())); }

}  // namespace app
