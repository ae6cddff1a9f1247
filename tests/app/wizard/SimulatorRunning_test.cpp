#include "app/wizard/SimulatorRunning.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "files/FileOps.h"
#include "support/DialogAnswerer.h"
#include "support/HeldFile.h"
#include "support/Runs.h"
#include "support/TempFolder.h"
#include "ui/dialogs/Application.h"

namespace {

using testing_support::DialogAnswerer;
using testing_support::FileExists;
using testing_support::HeldFile;
using testing_support::kOriginalTexture;
using testing_support::PayloadBytes;
using testing_support::ReadFileBytes;

const char kRunningEnglish[] =
    "The simulator seems to be running, it uses file \"detail1.bmp\" !\r\nPlease close it, then retry.";
const char kRunningFrench[] =
    "Le simulateur semble être en cours d'exécution, il utilise le fichier \"detail1.bmp\" !\r\n"
    "Fermez-le svp, puis réessayez.";

class SimulatorClosed : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::App().Initialize();
    testing_support::WriteFileBytes(texture, "texture");
  }
  testing_support::TempFolder temp{"running"};
  std::string texture = temp / "detail1.bmp";
};

TEST_F(SimulatorClosed, AFreeOrMissingTextureAsksNothing) {
  DialogAnswerer answerer(L"Pratilo", IDCANCEL);
  EXPECT_TRUE(app::SimulatorClosed('E', temp.path()));
  EXPECT_TRUE(app::SimulatorClosed('E', temp / "no such folder\\"));
  EXPECT_TRUE(answerer.Finish().empty());
}

TEST_F(SimulatorClosed, AHeldTextureAsksInTheCurrentLanguageUntilCancel) {
  HeldFile held(texture);
  ASSERT_TRUE(held.held());
  struct Case {
    char lang;
    std::vector<int> answers;
    const char* text;
  };
  const Case cases[] = {
      {'E', {IDCANCEL}, kRunningEnglish},
      {'F', {IDCANCEL}, kRunningFrench},
      {'x', {IDRETRY, IDRETRY, IDCANCEL}, kRunningEnglish},  // still running: asked again each time
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lang);
    DialogAnswerer answerer(L"Pratilo", c.answers);
    EXPECT_FALSE(app::SimulatorClosed(c.lang, temp.path()));
    auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), c.answers.size());
    for (const auto& box : seen) {
      EXPECT_EQ(box.text, c.text);
      EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Retry", "Cancel"}));
      EXPECT_TRUE(box.hasIcon);
      EXPECT_FALSE(box.questionIcon);
    }
  }
  EXPECT_EQ(ReadFileBytes(texture), "texture");
}

TEST_F(SimulatorClosed, RetryGoesOnOnceTheSimulatorHasBeenClosed) {
  HeldFile held(texture);
  ASSERT_TRUE(held.held());
  // The user closes the simulator while the box is open, then presses Retry.
  DialogAnswerer answerer(L"Pratilo", {IDRETRY}, [&](size_t) { held.Release(); });
  EXPECT_TRUE(app::SimulatorClosed('E', temp.path()));
  auto seen = answerer.Finish();
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_TRUE(files::CanReplaceFile(texture));
}

// The wizard asks before each run, and Cancel leaves everything as it was.
class WizardWithRunningSimulator : public testing_support::RunTest, public ::testing::Test {
 protected:
  void SetUp() override {
    ui::App().Initialize();
    w().SetLanguage('E');
    fsx = MakeSimulator("FSX", "FSX.exe");
    w().FolderFSX = fsx;
  }
  void MakeBackup() {
    MakeBackupOfOriginal(fsx);
    testing_support::WriteFileBytes(Texture(fsx), testing_support::PayloadBytes("T1_1024.bmp"));
  }
  std::string fsx;
};

TEST_F(WizardWithRunningSimulator, InstallCancelledStaysOnTheSummaryWithNothingChanged) {
  ASSERT_NO_FATAL_FAILURE(WalkToSummary(w().rbFSX));
  HeldFile held(Texture(fsx));
  ASSERT_TRUE(held.held());
  DialogAnswerer answerer(L"Pratilo", std::vector<int>{IDRETRY, IDCANCEL});
  Click(w().s6.Handle());
  auto seen = answerer.Finish();

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text, kRunningEnglish);
  EXPECT_EQ(w().pc.ActivePage(), &w().ts6);
  EXPECT_TRUE(w().s6.Enabled());
  EXPECT_EQ(w().clb7.LineCount(), 0);
  EXPECT_FALSE(FileExists(Backup(fsx)));
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), kOriginalTexture);
  EXPECT_FALSE(FileExists(fsx + "Scenery\\World\\Texture\\T1_1024.bmp"));
  EXPECT_EQ(testing_support::StoredSetting("accepte"), "<missing>");
  EXPECT_EQ(Halts(), 0);
}

TEST_F(WizardWithRunningSimulator, InstallGoesOnOnceTheSimulatorIsClosed) {
  ASSERT_NO_FATAL_FAILURE(WalkToSummary(w().rbFSX));
  HeldFile held(Texture(fsx));
  ASSERT_TRUE(held.held());
  DialogAnswerer answerer(L"Pratilo", {IDRETRY}, [&](size_t) { held.Release(); });
  Click(w().s6.Handle());
  auto seen = answerer.Finish();

  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kRunningEnglish);
  EXPECT_EQ(w().pc.ActivePage(), &w().ts7);
  EXPECT_TRUE(w().t7.Visible());
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), PayloadBytes("T1_1024.bmp"));
  EXPECT_EQ(Halts(), 0);
}

TEST_F(WizardWithRunningSimulator, UninstallCancelledChangesNothing) {
  MakeBackup();
  Click(w().rbFSX.Handle());
  ASSERT_TRUE(w().b0.Enabled());
  std::string backup = ReadFileBytes(Backup(fsx));
  HeldFile held(Texture(fsx));
  ASSERT_TRUE(held.held());
  DialogAnswerer question(L"Uninstall Pratilo", IDYES);
  DialogAnswerer running(L"Pratilo", IDCANCEL);
  Click(w().b0.Handle());
  EXPECT_EQ(question.Finish().size(), 1u);
  auto seen = running.Finish();

  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kRunningEnglish);
  EXPECT_EQ(ReadFileBytes(Backup(fsx)), backup);
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), testing_support::PayloadBytes("T1_1024.bmp"));
  EXPECT_FALSE(w().sb0.Visible());
  EXPECT_TRUE(w().b0.Enabled());
  EXPECT_NE(w().Handle(), nullptr);
}

TEST_F(WizardWithRunningSimulator, UninstallGoesOnOnceTheSimulatorIsClosed) {
  MakeBackup();
  Click(w().rbFSX.Handle());
  HeldFile held(Texture(fsx));
  ASSERT_TRUE(held.held());
  DialogAnswerer question(L"Uninstall Pratilo", IDYES);
  // Retry on the box about the simulator, once it is closed; then OK on the final message.
  DialogAnswerer boxes(L"Pratilo", {IDRETRY, IDOK}, [&](size_t box) {
    if (box == 0) held.Release();
  });
  Click(w().b0.Handle());
  question.Finish();
  auto seen = boxes.Finish();

  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text, kRunningEnglish);
  EXPECT_EQ(seen[1].text, "Pratilo uninstalled, original textures restored.");
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), kOriginalTexture);
  EXPECT_FALSE(FileExists(Backup(fsx)));
  EXPECT_EQ(w().Handle(), nullptr);
}

}  // namespace
