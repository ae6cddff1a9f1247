#include <gtest/gtest.h>

#include "app/wizard/TfMain.h"
#include "support/Runs.h"
#include "support/Wizard.h"
#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"

namespace {

using testing_support::StoredSetting;
using testing_support::WizardTest;

class Choices : public WizardTest, public ::testing::Test {
 protected:
  void SetUp() override {
    MakeEveryPage();  // the operations are watched on every page's controls
    w().SetLanguage('E');
  }
  void Choose(ui::RadioButton& simulator) { Click(simulator.Handle()); }
  void MakeBackupOfOriginal(const std::string& folder) const {
    testing_support::MakeBackupOfOriginal(folder, Temp().path());
  }
};

TEST_F(Choices, SwitchingSimulatorsRestoresEachOnesFolderChoiceAndBackupState) {
  std::string fs9 = MakeFolder("FS9", {"FS9.exe"});
  MakeBackupOfOriginal(fs9);
  std::string fsx = MakeFolder("FSX", {"FSX.exe"});
  w().FolderFS9 = fs9;
  w().FolderFSX = fsx;
  core::WriteSetting("cfgFS9", "21");
  core::WriteSetting("cfgFSX", "42");

  struct Step {
    ui::RadioButton* button;
    std::string folder, fs;
    int variant, resolution;
    bool backup;
  };
  const Step steps[] = {{&w().rbFS9, fs9, "9", 2, 1, true},
                        {&w().rbFSX, fsx, "X", 4, 2, false},
                        {&w().rbFS9, fs9, "9", 2, 1, true}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.fs);
    Choose(*s.button);
    EXPECT_EQ(w().e6.Text(), s.folder);
    EXPECT_EQ(w().FolderFS, s.folder);
    EXPECT_EQ(StoredSetting("FS"), s.fs);
    EXPECT_EQ(w().VariantIndex(), s.variant);
    EXPECT_EQ(w().ResolutionIndex(), s.resolution);
    EXPECT_EQ(w().b0.Enabled(), s.backup);
    EXPECT_TRUE(w().s6.Enabled());  // each folder holds its simulator's marker
    EXPECT_TRUE(w().s0.Enabled());
    EXPECT_EQ(w().l6bkp.tag, s.backup ? 71 : 70);
    EXPECT_EQ(w().l6Dossier.Text(), s.fs == "9" ? "FS2004 main folder :" : "FSX main folder :");
    EXPECT_EQ(w().form.Text(), core::VersionText(4) + (s.fs == "9" ? " For FS2004 :" : " For FSX :"));
  }
  // The folders are never written by the choices.
  EXPECT_EQ(StoredSetting("DossierFS9"), "<missing>");
  EXPECT_EQ(StoredSetting("DossierFSX"), "<missing>");
}

TEST_F(Choices, StoredChoicesOfWrongLengthReadAsZeroAndLargeIndexesSelectTheLastItems) {
  struct Case {
    const char* stored;  // nullptr: nothing stored
    int variant, resolution;
  };
  const Case cases[] = {{"3", 0, 0}, {"123", 0, 0}, {"", 0, 0}, {nullptr, 0, 0},
                        {"99", 5, 2}, {"73", 5, 2}, {"x2", 0, 2}, {"50", 5, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "(none)");
    testing_support::ClearSettings();
    if (c.stored) core::WriteSetting("cfgFSX", c.stored);
    w().rg2v.SetSelectedIndex(3);
    w().rg4q.SetSelectedIndex(1);
    w().rbFSX.SetChecked(false);  // a click on the simulator already chosen would change nothing
    Choose(w().rbFSX);
    EXPECT_EQ(w().VariantIndex(), c.variant);
    EXPECT_EQ(w().ResolutionIndex(), c.resolution);
  }
}

TEST_F(Choices, VariantAndResolutionMoveThePreviewPictures) {
  for (int variant = 0; variant < 5; ++variant) {
    for (int resolution = 0; resolution < 3; ++resolution) {
      SCOPED_TRACE(std::to_string(variant) + "/" + std::to_string(resolution));
      Click(w().rg4q.Item(resolution)->Handle());
      Click(w().rg2v.Item(variant)->Handle());
      EXPECT_EQ(w().i2.Bounds().x, -300 * variant);
      ASSERT_EQ(w().ResImage, &w().i4[static_cast<size_t>(variant)]);
      EXPECT_EQ(w().ResImage->Bounds().x, -300 * resolution);
      for (size_t i = 0; i < 5; ++i) EXPECT_EQ(w().i4[i].Visible(), static_cast<int>(i) == variant);
      EXPECT_TRUE(w().l6q.Visible());
      EXPECT_EQ(w().l6v.Text(), "Variation " + std::to_string(variant + 1));
    }
  }
  // Variation 2 after 512 was chosen: the 512 view of variation 2.
  Click(w().rg4q.Item(1)->Handle());
  Click(w().rg2v.Item(1)->Handle());
  EXPECT_EQ(w().i4[1].Bounds().x, -300);
  EXPECT_EQ(w().l6q.Text(), "Resolution 512 x 512");
}

TEST_F(Choices, TestGridHidesResolutionPictureAndText) {
  Click(w().rg2v.Item(2)->Handle());
  ASSERT_TRUE(w().i4[2].Visible());
  Click(w().rg2v.Item(5)->Handle());
  EXPECT_EQ(w().ResImage, nullptr);
  EXPECT_FALSE(w().l6q.Visible());
  for (const ui::Picture& p : w().i4) EXPECT_FALSE(p.Visible());
  EXPECT_EQ(w().i2.Bounds().x, -1500);
  EXPECT_EQ(w().l6v.Text(), "Test grid");
  Click(w().rg4q.Item(2)->Handle());  // a resolution chosen meanwhile changes only the text
  EXPECT_EQ(w().l6q.Text(), "Resolution 256 x 256");
  EXPECT_FALSE(w().l6q.Visible());
  Click(w().rg2v.Item(0)->Handle());
  EXPECT_TRUE(w().l6q.Visible());
  EXPECT_EQ(w().i4[0].Bounds().x, -600);
  // Running a choice twice gives the same result.
  w().VariantChoice();
  w().VariantChoice();
  EXPECT_TRUE(w().i4[0].Visible());
  EXPECT_EQ(w().i4[0].Bounds().x, -600);
}

TEST_F(Choices, FolderCheckCompletesTheTypedFolderAndTestsItsMarker) {
  std::string fs9 = MakeFolder("FS9", {"FS9.exe"});
  std::string other = MakeFolder("Other", {"FSX.exe"});
  MakeBackupOfOriginal(other);
  // A file of the backup's name that is no archive does not count as the texture saved.
  std::string emptied = MakeFolder("Emptied", {"FS9.exe", "Pratilo_Original_Tex.zip"});
  Choose(w().rbFS9);
  struct Case {
    std::string typed, folder;
    bool install;
    int backupTag;
  };
  std::string bare = fs9.substr(0, fs9.size() - 1);
  const Case cases[] = {
      {"  " + bare + "  ", fs9, true, 70},  // trimmed and completed
      {fs9, fs9, true, 70},
      {other, other, false, 71},  // no FS9.exe, but a backup
      {emptied, emptied, true, 70},
      {"", "\\", false, 70},      // an empty text becomes a lone backslash
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    SetWindowTextW(w().e6.Handle(), core::Widen(c.typed).c_str());
    EXPECT_EQ(w().FolderFS9, c.folder);
    EXPECT_EQ(w().FolderFS, c.folder);
    EXPECT_EQ(w().s6.Enabled(), c.install);
    EXPECT_EQ(w().l6bkp.tag, c.backupTag);
  }
  EXPECT_EQ(w().l6bkp.Text(), "The original textures will be saved in file Pratilo_Original_Tex.zip in the FS main folder");
  SetWindowTextW(w().e6.Handle(), core::Widen(other).c_str());
  w().SetLanguage('F');
  EXPECT_EQ(w().l6bkp.Text(),
            "Les textures originales ont déjà été sauvegardées dans le fichier Pratilo_Original_Tex.zip dans le "
            "dossier principal de FS");
  EXPECT_EQ(StoredSetting("DossierFS9"), "<missing>");  // a typed folder is never stored
}

TEST_F(Choices, TypedFolderKeepsUninstallStateButMovesTheWorkFolder) {
  std::string fs9 = MakeFolder("FS9", {"FS9.exe"});
  MakeBackupOfOriginal(fs9);
  std::string typed = MakeFolder("Typed", {"FS9.exe"});
  w().FolderFS9 = fs9;
  Choose(w().rbFS9);
  ASSERT_TRUE(w().b0.Enabled());
  SetWindowTextW(w().e6.Handle(), core::Widen(typed).c_str());
  EXPECT_TRUE(w().b0.Enabled());
  EXPECT_EQ(w().BackupArchive(), typed + "Pratilo_Original_Tex.zip");
  EXPECT_EQ(w().TextureFolder(), typed + "Scenery\\World\\Texture\\");
  EXPECT_EQ(w().PayloadArchive(), core::Env().ProgramDir + "Pratilo.bin");
}

TEST_F(Choices, OneFolderForBothSimulatorsIsCheckedForTheChosenSimulatorsMarker) {
  // The edit keeps its text when the other simulator has the same folder; the check must still run.
  std::string both = MakeFolder("Both", {"FS9.exe"});
  w().FolderFS9 = both;
  w().FolderFSX = both;
  Choose(w().rbFS9);
  EXPECT_TRUE(w().s6.Enabled());
  Choose(w().rbFSX);
  EXPECT_EQ(w().e6.Text(), both);
  EXPECT_FALSE(w().s6.Enabled());
}

TEST_F(Choices, ClickingTheChosenSimulatorAgainKeepsTheChoicesMadeSince) {
  core::WriteSetting("cfgFS9", "21");
  Choose(w().rbFS9);
  ASSERT_EQ(w().VariantIndex(), 2);
  Click(w().rg2v.Item(4)->Handle());
  Click(w().rg4q.Item(0)->Handle());
  Choose(w().rbFS9);
  EXPECT_EQ(w().VariantIndex(), 4);
  EXPECT_EQ(w().ResolutionIndex(), 0);
  EXPECT_EQ(w().l6v.Text(), "Variation 5");
}

TEST_F(Choices, NoFolderKnownLeavesInstallDisabled) {
  Choose(w().rbFS9);
  EXPECT_EQ(w().e6.Text(), "");
  EXPECT_FALSE(w().s6.Enabled());
  EXPECT_FALSE(w().b0.Enabled());
  EXPECT_TRUE(w().s0.Enabled());
  EXPECT_EQ(StoredSetting("FS"), "9");
}

}  // namespace
