// A simulator on a full disk: the real Pratilo.exe installs and uninstalls on drive E:, a small
// volume of its own (see scripts/with-full-volume.sh), first without room for the backup, then with
// room for the backup but not for the texture, then without room for the restoration. Each time the
// original stays safe, nothing is left behind, the user is told and nothing is remembered; with
// room again the same action succeeds.
#include <gtest/gtest.h>
#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/Utf8.h"
#include "e2e/support/Figures.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::FileExists;
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
  GetDiskFreeSpaceExW(core::Widen(root).c_str(), &free, nullptr, nullptr);
  return free.QuadPart;
}

// Leaves about `bytes` free on the volume with a file of its own (none when `bytes` is 0).
void LeaveFree(const std::string& root, uint64_t bytes) {
  std::string filler = root + "filler.bin";
  DeleteFileW(core::Widen(filler).c_str());
  if (bytes == 0) return;
  uint64_t free = FreeBytes(root);
  ASSERT_GT(free, bytes);
  WriteFileBytes(filler, std::string(static_cast<size_t>(free - bytes), 'f'));
  ASSERT_LE(FreeBytes(root), bytes + 65536);
}

// Answers every box the program shows until none comes for a while: the archive's question about a
// file with Abandonner, everything else with Ok. Gives their texts.
std::vector<std::string> AnswerBoxes(const Wizard& w) {
  std::vector<std::string> texts;
  for (int timeout = 30000; auto box = WaitForBox(w.Id(), timeout); timeout = 3000) {
    texts.push_back(box->caption + ": " + box->text);
    if (!Answer(*box, box->caption == "Confirmation" ? IDABORT : IDOK)) break;
  }
  return texts;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string all;
  for (const std::string& t : texts) all += (all.empty() ? "" : " | ") + t;
  return all;
}

// Every file of the simulator folder, other than the expected ones, for failure messages.
std::string Unexpected(const SimulatorFolder& folder, const std::set<std::string>& expected) {
  std::string extra;
  for (const auto& [name, data] : folder.Snapshot())
    if (!expected.contains(name)) extra += " " + name;
  return extra;
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
  const std::set<std::string> plain = {"FSX.exe", "Scenery\\World\\Texture\\detail1.bmp"};
  std::set<std::string> withBackup = plain;
  withBackup.insert("Pratilo_Original_Tex.zip");
  const std::string texture = PayloadEntry("T1_1024.bmp");
  ASSERT_GT(texture.size(), 1u << 20);

  // An installation that cannot complete: told, the page not finished, nothing remembered.
  auto failedInstall = [&](const char* what) {
    Wizard w;
    ASSERT_TRUE(w.Start(scene.Exe()));
    ASSERT_TRUE(w.WalkToSummary({Sim::FSX, 0, 0}));
    ASSERT_TRUE(w.ClickButton(w.Texts().install));
    auto told = AnswerBoxes(w);
    EXPECT_FALSE(told.empty()) << what << ": the user was not told";
    RecordFigure(std::string(what) + ": told", Joined(told));
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
  EXPECT_TRUE(ReadFileBytes(sim.Texture()) == original);
  EXPECT_EQ(Unexpected(sim, plain), "") << "left behind";
  RecordFigure("No room for the backup: left on disk", "the original texture only" + Unexpected(sim, plain));

  // The backup and some slack fit; the texture, more than a megabyte, does not.
  LeaveFree(root, DeflatedSize(original) + (256u << 10));
  failedInstall("Room for the backup, not for the texture");
  EXPECT_TRUE(ReadFileBytes(sim.Texture()) == original);
  EXPECT_TRUE(ZipEntryData(ReadFileBytes(sim.Backup()), "detail1.bmp") == original) << "no intact backup";
  EXPECT_EQ(Unexpected(sim, withBackup), "") << "left behind";
  RecordFigure("Room for the backup, not for the texture: left on disk",
               "the original texture and its backup" + Unexpected(sim, withBackup));

  LeaveFree(root, 0);
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 0, 0})) << "with room again";
  EXPECT_TRUE(ReadFileBytes(sim.Texture()) == texture);

  LeaveFree(root, 1u << 20);
  {
    Wizard w;
    ASSERT_TRUE(w.Start(scene.Exe()));
    ASSERT_TRUE(w.WaitForPage(Page::Presentation));
    ASSERT_TRUE(w.ClickButton(w.Texts().uninstall));
    auto question = WaitForBox(w.Id(), 5000);
    ASSERT_TRUE(question.has_value()) << w.Describe();
    ASSERT_TRUE(Answer(*question, IDYES));
    auto told = AnswerBoxes(w);
    EXPECT_FALSE(told.empty()) << "the user was not told";
    EXPECT_TRUE(std::none_of(told.begin(), told.end(),
                             [&](const std::string& t) { return t.find(w.Texts().uninstallDone) != std::string::npos; }))
        << "announced as restored: " << Joined(told);
    RecordFigure("No room for the restoration: told", Joined(told));
    ASSERT_TRUE(w.Process().Running()) << "the program ended";
    EXPECT_EQ(w.CurrentPage(), Page::Presentation);
    ASSERT_TRUE(w.QuitWithYes());
  }
  EXPECT_TRUE(ReadFileBytes(sim.Texture()) == texture);
  EXPECT_TRUE(ZipEntryData(ReadFileBytes(sim.Backup()), "detail1.bmp") == original) << "the backup is not intact";
  EXPECT_EQ(Unexpected(sim, withBackup), "") << "left behind";
  RecordFigure("No room for the restoration: left on disk", "our texture and the backup" + Unexpected(sim, withBackup));

  LeaveFree(root, 0);
  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX)) << "with room again";
  EXPECT_TRUE(ReadFileBytes(sim.Texture()) == original) << "not restored byte for byte";
  EXPECT_EQ(Unexpected(sim, plain), "");
  EXPECT_FALSE(FileExists(sim.Backup()));
}

}  // namespace
}  // namespace e2e
