// Crash safety of an installation: the program is killed at twenty moments spread over a first
// installation with a large original texture. After each kill the original must still be there or
// in a complete backup archive, and a new run must install and uninstall normally.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/support/Figures.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
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

  // An uncut installation gives the time to spread the moments over.
  double fullMs = 0;
  ASSERT_TRUE(InstallOnce(scene.Exe(), killed, Language::French, &fullMs));
  ASSERT_TRUE(ZipEntryData(ReadFileBytes(fsx.Backup()), "detail1.bmp") == original);
  RecordMilliseconds("Install to finished page, 1024 texture, 24 MB original, first installation", fullMs);

  int keptInPlace = 0, keptInBackup = 0, lost = 0;
  std::vector<std::string> strayFiles;
  for (int moment = 0; moment < kMoments; ++moment) {
    // Half the moments spread over the whole run, half over its last quarter, where the short
    // steps lie (the end of the backup, the extraction, the rename, the remembering).
    constexpr int kHalf = kMoments / 2;
    double fraction = moment < kHalf ? (moment + 0.5) / kHalf : 0.75 + 0.25 * (moment - kHalf + 0.5) / kHalf;
    int delayMs = static_cast<int>(fullMs * fraction);
    SCOPED_TRACE("killed " + std::to_string(delayMs) + " ms after Install");
    scene.ResetFolder(Sim::FSX);
    ClearSettings();
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
    keptInPlace += inPlace;
    keptInBackup += !inPlace && inBackup;
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
  RecordFigure("Kills: original still in place / only in the backup / lost",
               std::to_string(keptInPlace) + " / " + std::to_string(keptInBackup) + " / " + std::to_string(lost));
  std::string stray = std::to_string(strayFiles.size());
  for (size_t i = 0; i < strayFiles.size() && i < 3; ++i) stray += (i ? ", " : "; e.g. ") + strayFiles[i];
  RecordFigure("Files left behind by the killed runs", stray);
}

}  // namespace
}  // namespace e2e
