// A simulator on a full disk: the real Pratilo.exe installs and uninstalls on drive E:, a small
// volume of its own (see scripts/with-full-volume.sh), first without room for the backup, then with
// room for the backup but not for the texture, then without room for the restoration. Each time the
// original stays safe, nothing is left behind, the user is told and nothing is remembered; with
// room again the same action succeeds.
#include <gtest/gtest.h>
#include <windows.h>
#include <zlib.h>

#include <cstdlib>
#include <string>

#include "support/Text.h"
#include "e2e/support/Figures.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

constexpr size_t kOriginalSize = 4u << 20;
constexpr char kNotCompleted[] = "L'installation de Pratilo n'a pas pu être terminée.";
constexpr char kFinished[] = "L'installation de Pratilo est terminée.";

std::string Volume() {
  const char* volume = std::getenv("PRATILO_FULL_VOLUME");
  return volume ? volume : "";
}

// About the room the backup of `bytes` takes: deflated at level 1, as the program does.
uint64_t DeflatedSize(const std::string& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
            static_cast<uLong>(bytes.size()), 1);
  return size;
}

uint64_t FreeBytes(const std::string& root) {
  ULARGE_INTEGER free{};
  GetDiskFreeSpaceExW(testing_support::Widen(root).c_str(), &free, nullptr, nullptr);
  return free.QuadPart;
}

// Leaves about `bytes` free on the volume with a file of its own (none when `bytes` is 0).
void LeaveFree(const std::string& root, uint64_t bytes) {
  std::string filler = root + "filler.bin";
  DeleteFileW(testing_support::Widen(filler).c_str());
  if (bytes == 0) return;
  uint64_t free = FreeBytes(root);
  ASSERT_GT(free, bytes);
  WriteFileBytes(filler, std::string(static_cast<size_t>(free - bytes), 'f'));
  ASSERT_LE(FreeBytes(root), bytes + 65536);
}

// Answers every box the program shows until none comes for a while: the archive's question about a
// file with Abandonner, everything else with Ok. Gives their captions and texts, joined.
std::string AnswerBoxes(const Wizard& w) {
  std::string told;
  for (int timeout = 30000; auto box = WaitForBox(w.Id(), timeout); timeout = 3000) {
    told += (told.empty() ? "" : " | ") + box->caption + ": " + box->text;
    if (!Answer(*box, box->caption == "Confirmation" ? IDABORT : IDOK)) break;
  }
  return told;
}

TEST(FullDisk, TheOriginalIsSafeAndNothingIsLeftWhenTheDiskFillsUp) {
  const std::string root = Volume();
  ASSERT_FALSE(root.empty()) << "run through scripts/with-full-volume.sh, which mounts the volume as E:";
  Scene scene;
  SimulatorFolder sim{root + "FSX\\"};
  const std::string original = MakeBitmap(kOriginalSize, 7);
  ASSERT_TRUE(WriteFileBytes(sim.main + "FSX.exe", "MZ"));
  ASSERT_TRUE(WriteFileBytes(sim.Texture(), original));
  SetSetting("DossierFSX", sim.main);
  SetSetting("FS", "X");
  const std::string texture = PayloadEntry("T1_1024.bmp");
  ASSERT_GT(texture.size(), 1u << 20);
  const std::string backedUp = "Pratilo_Original_Tex.zip";
  // What the folder holds, besides the marker: `texture` in place, and the original in an intact
  // backup when `backup`; a failure lists every other file left behind.
  auto expectHolds = [&](const char* what, const std::string& inPlace, bool backup) {
    EXPECT_TRUE(ReadFileBytes(sim.Texture()) == inPlace) << what;
    if (backup) {
      EXPECT_TRUE(ZipEntryData(ReadFileBytes(sim.Backup()), "detail1.bmp") == original) << what;
    }
    std::string files;
    for (const auto& [name, data] : sim.Snapshot()) files += " " + name;
    std::string expected = " FSX.exe" + (backup ? " " + backedUp : "") + " Scenery\\World\\Texture\\detail1.bmp";
    EXPECT_EQ(files, expected) << what;
    RecordFigure(std::string(what) + ": left on disk", files);
  };
  // An installation that cannot complete: told, the page not finished, nothing remembered.
  auto failedInstall = [&](const char* what) {
    Wizard w;
    ASSERT_TRUE(w.Start(scene.Exe()));
    ASSERT_TRUE(w.WalkToSummary({Sim::FSX, 0, 0}));
    ASSERT_TRUE(w.ClickButton(w.Texts().install));
    std::string told = AnswerBoxes(w);
    EXPECT_NE(told, "") << what << ": the user was not told";
    RecordFigure(std::string(what) + ": told", told);
    if (w.Process().Running()) {
      EXPECT_TRUE(WaitUntil([&] { return w.Shows(kNotCompleted); }, 5000)) << what << "; " << w.Describe();
      EXPECT_FALSE(w.Shows(kFinished)) << what;
      ASSERT_TRUE(w.FinishWithOk());
    }
    EXPECT_EQ(Setting("cfgFSX"), "<missing>") << what;
    EXPECT_EQ(Setting("accepte"), "<missing>") << what;
  };

  LeaveFree(root, 1u << 20);
  failedInstall("No room for the backup");
  expectHolds("No room for the backup", original, false);

  // The backup and some slack fit; the texture, more than a megabyte, does not.
  LeaveFree(root, DeflatedSize(original) + (256u << 10));
  failedInstall("Room for the backup, not for the texture");
  expectHolds("Room for the backup, not for the texture", original, true);

  LeaveFree(root, 0);
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 0, 0})) << "with room again";
  expectHolds("Installed", texture, true);

  LeaveFree(root, 1u << 20);
  {
    Wizard w;
    ASSERT_TRUE(w.StartUninstalling(scene.Exe(), Sim::FSX));
    std::string told = AnswerBoxes(w);
    EXPECT_NE(told, "") << "the user was not told";
    EXPECT_EQ(told.find(w.Texts().uninstallDone), std::string::npos) << "announced as restored: " << told;
    RecordFigure("No room for the restoration: told", told);
    ASSERT_TRUE(w.Process().Running()) << "the program ended";
    EXPECT_EQ(w.CurrentPage(), Page::Presentation);
    ASSERT_TRUE(w.QuitWithYes());
  }
  expectHolds("No room for the restoration", texture, true);

  LeaveFree(root, 0);
  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX)) << "with room again";
  expectHolds("Uninstalled", original, false);
}

}  // namespace
}  // namespace e2e
