// Both runs judged by what they leave on disk, in the cases where a job's "it ran" is not "it worked".
#include <gtest/gtest.h>

#include "setup/InstallRun.h"
#include "setup/UninstallRun.h"
#include "support/HeldFile.h"
#include "support/Setups.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

namespace {

using setup::RunOutcome;
using testing_support::FileExists;
using testing_support::kOriginalTexture;
using testing_support::PayloadBytes;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

class RunsTest : public ::testing::Test {
 protected:
  RunOutcome Install(const std::string& entry) {
    const setup::Installation job{.files = files_, .simulator = setup::Simulator::FSX, .entry = entry};
    return setup::RunInstallation(job, setup::PrepareInstallation(job), {});
  }
  RunOutcome Uninstall() { return setup::RunUninstallation({.files = files_, .simulator = setup::Simulator::FSX}, {}); }
  testing_support::TempFolder temp_;
  setup::SimulatorFiles files_{testing_support::MakeSimulatorFolder(temp_.path(), "FSX", "FSX.exe"),
                               testing_support::MakePayload(temp_.path())};
};

TEST_F(RunsTest, AnEntryThatDoesNotReadBackIsNeverPutInPlace) {
  std::string payload = ReadFileBytes(files_.payload);
  const size_t name = payload.find("T2_512.bmp");
  const size_t data = name + testing_support::U16(payload, name - 4) + testing_support::U16(payload, name - 2);
  payload[data + 4] = static_cast<char>(payload[data + 4] ^ 0x55);
  WriteFileBytes(files_.payload, payload);
  WriteFileBytes(files_.TextureFolder() + "T2_512.bmp", "an older file of that name");

  const RunOutcome outcome = Install("T2_512.bmp");
  EXPECT_EQ(outcome.kind, RunOutcome::Kind::Failed);
  EXPECT_EQ(outcome.step, RunOutcome::Step::Extraction);
  EXPECT_EQ(ReadFileBytes(files_.Texture()), kOriginalTexture);
  EXPECT_FALSE(FileExists(files_.TextureFolder() + "T2_512.bmp"));
}

TEST_F(RunsTest, AnEntryThePayloadDoesNotHaveRenamesNothing) {
  WriteFileBytes(files_.TextureFolder() + "T9.bmp", "a file of a name the payload does not have");
  const RunOutcome outcome = Install("T9.bmp");
  EXPECT_EQ(outcome.step, RunOutcome::Step::Renaming);
  EXPECT_EQ(ReadFileBytes(files_.Texture()), kOriginalTexture);
}

TEST_F(RunsTest, ABackupThatCannotBeDeletedIsNoFinishedUninstallation) {
  testing_support::MakeBackupOfOriginal(files_.main, temp_.path());
  WriteFileBytes(files_.Texture(), PayloadBytes("T1_256.bmp"));
  testing_support::HeldFile held(files_.Backup());
  ASSERT_TRUE(held.held());
  const RunOutcome outcome = Uninstall();
  held.Release();
  EXPECT_EQ(outcome.kind, RunOutcome::Kind::Failed);
  EXPECT_EQ(outcome.step, RunOutcome::Step::Deletion);
  EXPECT_EQ(ReadFileBytes(files_.Texture()), kOriginalTexture);
  EXPECT_TRUE(FileExists(files_.Backup()));
}

TEST_F(RunsTest, ADamagedOriginalNextToOurTextureIsSetAsideAndNothingSavedInItsPlace) {
  testing_support::MakeBackupOfOriginal(files_.main, temp_.path());
  const std::string damaged = ReadFileBytes(files_.Backup()).substr(0, 40);
  WriteFileBytes(files_.Backup(), damaged);
  WriteFileBytes(files_.Texture(), PayloadBytes("T1_256.bmp"));
  const RunOutcome outcome = Install("T3_512.bmp");
  EXPECT_TRUE(outcome.Finished());
  EXPECT_TRUE(outcome.originalLost);
  EXPECT_EQ(outcome.setAside, files_.main + "Pratilo_Original_Tex (unusable).zip");
  EXPECT_EQ(ReadFileBytes(outcome.setAside), damaged);
  EXPECT_FALSE(FileExists(files_.Backup()));
  EXPECT_EQ(ReadFileBytes(files_.Texture()), PayloadBytes("T3_512.bmp"));
  EXPECT_EQ(Uninstall().refusal, setup::Refusal::NothingToUninstall);
}

}  // namespace
