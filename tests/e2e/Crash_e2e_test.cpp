// Crash safety: the program is killed at twenty moments spread over a first installation with a
// large original texture, and at ten spread over its uninstallation. After each kill the original
// must still be there or in a complete backup archive, and a new run must finish the work normally
// and leave nothing of the killed one behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/support/Figures.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
#include "support/RegistryFixture.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::FileExists;
using testing_support::ReadFileBytes;

constexpr size_t kOriginalSize = 24u << 20;  // long enough to spread the moments over
constexpr int kMoments = 20;

// The files of a main folder with their sizes, for failure messages.
std::string Listing(const SimulatorFolder& folder) {
  std::string text;
  for (const auto& [name, data] : folder.Snapshot()) text += "\n  " + name + " (" + std::to_string(data.size()) + ")";
  return text;
}

TEST(CrashSafety, TheOriginalTextureSurvivesAKillAtAnyMomentOfAnInstallation) {
  Scene scene({.originalSize = kOriginalSize});
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  const std::string& original = scene.Original(Sim::FSX);
  const Choice killed{Sim::FSX, 0, 0};

  // An uncut installation gives the times to spread the moments over: when the backup archive
  // appears, and when the finished page shows.
  double backupMs = 0, fullMs = 0;
  {
    Wizard w;
    ASSERT_TRUE(w.Start(scene.Exe()));
    ASSERT_TRUE(w.WalkToSummary(killed));
    auto pressed = Clock::now();
    ASSERT_TRUE(w.ClickButton(w.Texts().install));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(fsx.Backup()); }, 60000, 1)) << w.Describe();
    backupMs = MillisecondsSince(pressed);
    ASSERT_TRUE(WaitUntil([&] { return w.Button(w.Texts().ok) != nullptr; }, 60000)) << w.Describe();
    fullMs = MillisecondsSince(pressed);
    ASSERT_TRUE(w.FinishWithOk());
  }
  ASSERT_TRUE(ZipEntryData(ReadFileBytes(fsx.Backup()), "detail1.bmp") == original);
  RecordMilliseconds("Install to finished page, 1024 texture, 24 MB original, first installation", fullMs);
  RecordMilliseconds("Of which until the backup archive is in place", backupMs);

  int noBackup = 0, both = 0, backupOnly = 0, lost = 0;
  std::vector<std::string> strayFiles;
  for (int moment = 0; moment < kMoments; ++moment) {
    // Half the moments spread over the backup, half over the short steps after it (extraction,
    // rename, remembering the choice).
    constexpr int kHalf = kMoments / 2;
    double delay = moment < kHalf ? backupMs * (moment + 0.5) / kHalf
                                  : backupMs + (fullMs - backupMs) * (moment - kHalf + 0.5) / kHalf;
    int delayMs = static_cast<int>(delay);
    SCOPED_TRACE("killed " + std::to_string(delayMs) + " ms after Install");
    scene.ResetFolder(Sim::FSX);
    testing_support::ClearSettings("Pratilo");
    auto filesBefore = fsx.Snapshot();
    {
      Wizard w;
      ASSERT_TRUE(w.Start(scene.Exe()));
      ASSERT_TRUE(w.WalkToSummary(killed));
      ASSERT_TRUE(w.ClickButton(w.Texts().install));
      Sleep(static_cast<DWORD>(delayMs));
      w.Process().Kill();
    }

    bool inPlace = ReadFileBytes(fsx.Texture()) == original;
    bool inBackup = FileExists(fsx.Backup()) &&
                    ZipEntryData(ReadFileBytes(fsx.Backup()), "detail1.bmp").value_or(std::string()) == original;
    noBackup += inPlace && !inBackup;
    both += inPlace && inBackup;
    backupOnly += !inPlace && inBackup;
    lost += !inPlace && !inBackup;
    EXPECT_TRUE(inPlace || inBackup) << "the original texture is lost; the folder holds:" << Listing(fsx);
    if (!inPlace && !inBackup) continue;

    // A new run works from whatever the kill left behind, and gives the original back.
    EXPECT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 1, 2})) << Listing(fsx);
    EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T2_256.bmp"));
    EXPECT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX)) << Listing(fsx);
    EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == original) << "not restored; the folder holds:" << Listing(fsx);
    EXPECT_FALSE(FileExists(fsx.Backup()));
    for (const auto& [name, data] : fsx.Snapshot())
      if (!filesBefore.contains(name)) strayFiles.push_back(name + " (" + std::to_string(data.size()) + ")");
  }
  RecordFigure("Kills that left the original in place without a backup / in place and in the backup / only in "
               "the backup / nowhere",
               std::to_string(noBackup) + " / " + std::to_string(both) + " / " + std::to_string(backupOnly) + " / " +
                   std::to_string(lost));
  std::string stray = std::to_string(strayFiles.size());
  for (size_t i = 0; i < strayFiles.size() && i < 3; ++i) stray += (i ? ", " : "; e.g. ") + strayFiles[i];
  RecordFigure("Files left behind by the killed runs", stray);
  EXPECT_TRUE(strayFiles.empty()) << "a later installation and uninstallation left " << stray;
}

TEST(CrashSafety, TheOriginalTextureSurvivesAKillAtAnyMomentOfAnUninstallation) {
  Scene scene({.originalSize = kOriginalSize});
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  const std::string& original = scene.Original(Sim::FSX);
  const Choice installed{Sim::FSX, 0, 2};
  auto restoredOrBackedUp = [&](bool& inPlace, bool& inBackup) {
    inPlace = ReadFileBytes(fsx.Texture()) == original;
    inBackup = FileExists(fsx.Backup()) &&
               ZipEntryData(ReadFileBytes(fsx.Backup()), "detail1.bmp").value_or(std::string()) == original;
  };

  // An uncut uninstallation gives the time to spread the moments over.
  ASSERT_TRUE(InstallOnce(scene.Exe(), installed));
  double restoreMs = 0;
  {
    Wizard w;
    ASSERT_TRUE(w.StartUninstalling(scene.Exe(), Sim::FSX));
    auto answered = Clock::now();
    ASSERT_TRUE(WaitForBox(w.Id(), 60000).has_value()) << w.Describe();
    restoreMs = MillisecondsSince(answered);
  }
  RecordMilliseconds("Uninstallation of a 24 MB original, from Yes to the message", restoreMs);

  int cutShort = 0, restoredBeforeKill = 0, lost = 0;
  for (int moment = 0; moment < kMoments / 2; ++moment) {
    int delayMs = static_cast<int>(restoreMs * (moment + 0.5) / (kMoments / 2));
    SCOPED_TRACE("killed " + std::to_string(delayMs) + " ms after Yes");
    scene.ResetFolder(Sim::FSX);
    testing_support::ClearSettings("Pratilo");
    ASSERT_TRUE(InstallOnce(scene.Exe(), installed));
    {
      Wizard w;
      ASSERT_TRUE(w.StartUninstalling(scene.Exe(), Sim::FSX));
      Sleep(static_cast<DWORD>(delayMs));
      w.Process().Kill();
    }
    bool inPlace = false, inBackup = false;
    restoredOrBackedUp(inPlace, inBackup);
    cutShort += !inPlace && inBackup;
    restoredBeforeKill += inPlace;
    lost += !inPlace && !inBackup;
    EXPECT_TRUE(inPlace || inBackup) << "the original texture is lost; the folder holds:" << Listing(fsx);
    if (!inBackup) continue;  // restored and the backup deleted: nothing left to uninstall
    EXPECT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX)) << Listing(fsx);
    EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == original) << "not restored; the folder holds:" << Listing(fsx);
    EXPECT_FALSE(FileExists(fsx.Backup()));
  }
  RecordFigure("Uninstallation kills that cut the restoration short / came after it / lost the original",
               std::to_string(cutShort) + " / " + std::to_string(restoredBeforeKill) + " / " + std::to_string(lost));
}

}  // namespace
}  // namespace e2e
