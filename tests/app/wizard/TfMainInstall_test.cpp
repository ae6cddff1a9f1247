#include <gtest/gtest.h>

#include <windows.h>

#include "support/Runs.h"
#include "core/Utf8.h"
#include "files/jobs/ArchiveJobs.h"
#include "support/DialogAnswerer.h"
#include "support/HeldFile.h"
#include "support/TempFolder.h"
#include "ui/dialogs/Application.h"

namespace {

using testing_support::kOriginalTexture;
using testing_support::PayloadBytes;
using testing_support::StoredSetting;
using testing_support::DialogAnswerer;
using testing_support::ReadFileBytes;

class Install : public testing_support::RunTest, public ::testing::Test {
 protected:
  void SetUp() override {
    ui::App().Initialize();
    w().SetLanguage('E');
  }
  // The user's way through the pages, then Install.
  void InstallInto(ui::RadioButton& simulator, int variant, int resolution) {
    WalkToSummary(simulator, variant, resolution);
    if (HasFatalFailure()) return;
    Click(w().s6.Handle());
  }
  // What the backup archive holds as detail1.bmp.
  std::string BackedUp(const std::string& folder) {
    std::string out = Temp().path() + "restored\\";
    CreateDirectoryW(core::Widen(out).c_str(), nullptr);
    DeleteFileW(core::Widen(out + "detail1.bmp").c_str());
    files::ExtractFromArchive(Backup(folder), out, "detail1.bmp");
    return ReadFileBytes(out + "detail1.bmp");
  }
  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    for (int i = 0; i < w().clb7.LineCount(); ++i) lines.push_back(w().clb7.LineText(i));
    return lines;
  }
};

TEST_F(Install, FirstInstallationSavesTheOriginalThenPutsTheChosenTextureInPlace) {
  std::string fsx = MakeSimulator("FSX", "FSX.exe");
  w().FolderFSX = fsx;
  InstallInto(w().rbFSX, 2, 2);  // variation 3 at 256

  EXPECT_EQ(w().pc.ActivePage(), &w().ts7);
  EXPECT_EQ(BackedUp(fsx), kOriginalTexture);
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), PayloadBytes("T3_256.bmp"));
  EXPECT_FALSE(testing_support::FileExists(fsx + "Scenery\\World\\Texture\\T3_256.bmp"));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"Backup of the original texture",
                                               "Pratilo setup " + w().l6v.Text() + " Resolution 256 x 256"}));
  EXPECT_TRUE(w().clb7.Checked(0));
  EXPECT_FALSE(w().clb7.Checked(1));
  EXPECT_EQ(w().clb7.SelectedIndex(), -1);
  EXPECT_FALSE(w().clb7.Enabled());
  EXPECT_FALSE(w().l6.Visible());
  EXPECT_FALSE(w().sb7.Visible());
  EXPECT_TRUE(w().l7.Visible());
  EXPECT_TRUE(w().t7.Visible());
  EXPECT_FALSE(w().form.WaitCursor());
  EXPECT_EQ(StoredSetting("cfgFSX"), "22");
  EXPECT_EQ(StoredSetting("cfgFS9"), "<missing>");
  EXPECT_EQ(StoredSetting("accepte"), "Ok");
  EXPECT_EQ(Halts(), 0);
  // Ok closes the window.
  Click(w().t7.Handle());
  EXPECT_EQ(w().Handle(), nullptr);
}

TEST_F(Install, ALaterInstallationLeavesTheBackupAsItWas) {
  std::string fs9 = MakeSimulator("FS9", "FS9.exe");
  testing_support::WriteFileBytes(Texture(fs9), PayloadBytes("T1_1024.bmp"));
  MakeBackupOfOriginal(fs9);
  std::string before = ReadFileBytes(Backup(fs9));
  w().FolderFS9 = fs9;

  InstallInto(w().rbFS9, 5, 0);  // the test grid

  EXPECT_EQ(ReadFileBytes(Backup(fs9)), before);
  EXPECT_EQ(ReadFileBytes(Texture(fs9)), PayloadBytes("T6.bmp"));
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].rfind("Pratilo setup ", 0), 0u);
  EXPECT_FALSE(w().clb7.Checked(0));
  EXPECT_EQ(StoredSetting("cfgFS9"), "50");
}

TEST_F(Install, AFailedRenameSaysWhatAndWhereThenStopsWithTheOriginalSafe) {
  std::string fsx = MakeSimulator("FSX", "FSX.exe");
  w().FolderFSX = fsx;
  // The simulator is started once the run is under way: it holds its texture, which can then be
  // read but not replaced.
  w().MakePage(w().ts7);  // its status bar is watched before the page is shown
  testing_support::HoldOnProgress held(w().sb7.Handle(), Texture(fsx));
  DialogAnswerer answerer(core::Widen(ui::App().Title()), IDOK);
  InstallInto(w().rbFSX, 0, 0);
  auto seen = answerer.Finish();
  EXPECT_TRUE(held.held());
  held.Release();

  ASSERT_EQ(seen.size(), 1u);
  std::string folder = fsx + "Scenery\\World\\Texture\\";
  EXPECT_EQ(seen[0].text, "Unable to rename \"T1_1024.bmp\" as \"detail1.bmp\" in folder \"" + folder + "\" !");
  EXPECT_EQ(Halts(), 1);
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), kOriginalTexture);
  EXPECT_EQ(BackedUp(fsx), kOriginalTexture);
  EXPECT_EQ(StoredSetting("cfgFSX"), "<missing>");
  EXPECT_EQ(StoredSetting("accepte"), "<missing>");
}

TEST_F(Install, AnErrorInsideAStepIsShownAndThePageOffersOk) {
  std::string fsx = MakeSimulator("FSX", "FSX.exe");
  w().FolderFSX = fsx;
  // A folder in the backup's place: not an existing backup file, and no archive can be written there.
  CreateDirectoryW(core::Widen(Backup(fsx)).c_str(), nullptr);
  DialogAnswerer answerer(core::Widen(ui::App().Title()), IDOK);
  InstallInto(w().rbFSX, 0, 0);
  auto seen = answerer.Finish();

  ASSERT_EQ(seen.size(), 1u);
  EXPECT_FALSE(seen[0].text.empty());
  EXPECT_EQ(Halts(), 0);
  // The page says the setup could not be completed, never that it is finished.
  EXPECT_FALSE(w().l7.Visible());
  EXPECT_TRUE(w().l7err.Visible());
  EXPECT_EQ(w().l7err.Text(), "Pratilo setup could not be completed.");
  EXPECT_TRUE(w().t7.Visible());
  EXPECT_FALSE(w().form.WaitCursor());
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), kOriginalTexture);
  EXPECT_EQ(StoredSetting("cfgFSX"), "<missing>");
  EXPECT_EQ(StoredSetting("accepte"), "<missing>");
  w().SetLanguage('F');
  EXPECT_EQ(w().l7err.Text(), "L'installation de Pratilo n'a pas pu être terminée.");
  Click(w().t7.Handle());
  EXPECT_EQ(w().Handle(), nullptr);
}

// Another program opens the texture without sharing just as the backup starts: the archive asks
// about the file, and whatever the answer there is no backup, so nothing may be replaced.
class UnreadableOriginal : public Install, public ::testing::WithParamInterface<int> {};

TEST_P(UnreadableOriginal, StopsTheRunWithTheOriginalUntouchedAndNoArchive) {
  std::string fsx = MakeSimulator("FSX", "FSX.exe");
  w().FolderFSX = fsx;
  w().MakePage(w().ts7);
  testing_support::HoldOnProgress held(w().sb7.Handle(), Texture(fsx), 0);
  DialogAnswerer question(L"Confirmation", GetParam());
  DialogAnswerer message(core::Widen(ui::App().Title()), IDOK);
  InstallInto(w().rbFSX, 0, 0);
  auto asked = question.Finish();
  auto told = message.Finish();
  EXPECT_TRUE(held.held());
  held.Release();

  EXPECT_EQ(asked.size(), 1u);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].text, "ERROR : Unable to save the ogiginal texture into Pratilo_Original_Tex.zip !!!");
  EXPECT_EQ(Halts(), 1);
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), kOriginalTexture);
  EXPECT_FALSE(testing_support::FileExists(Backup(fsx)));
  EXPECT_FALSE(testing_support::FileExists(fsx + "Scenery\\World\\Texture\\T1_1024.bmp"));
  EXPECT_EQ(StoredSetting("cfgFSX"), "<missing>");
}

INSTANTIATE_TEST_SUITE_P(AnsweredAbortOrIgnore, UnreadableOriginal, ::testing::Values(IDABORT, IDIGNORE));

}  // namespace
