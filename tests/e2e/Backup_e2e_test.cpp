// Backups that cannot be trusted, simulator folders without a texture of their own, and what killed
// runs leave behind, through the real Pratilo.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/Text.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Windows.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

constexpr char kWillBeSaved[] =
    "Les textures originales seront sauvegardées dans le fichier Pratilo_Original_Tex.zip dans le dossier "
    "principal de FS";

std::string BackedUpTexture(const SimulatorFolder& folder) {
  return ZipEntryData(ReadFileBytes(folder.Backup()), "detail1.bmp").value_or(std::string());
}

TEST(BackupEndToEnd, ADamagedBackupIsSetAsideAndTheOriginalSavedAfresh) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  // What a crash in the middle of an old version's backup left: the start of an archive.
  const std::string damaged = std::string("PK\x03\x04\x14\0\0\0\x08\0", 10) + "cut short";
  WriteFileBytes(fsx.Backup(), damaged);
  // Another archive set aside earlier keeps its name and its bytes.
  WriteFileBytes(fsx.main + "Pratilo_Original_Tex (unusable).zip", "set aside before");

  Wizard w;
  ASSERT_TRUE(w.Start(scene.Exe()));
  ASSERT_TRUE(w.WalkToSummary({Sim::FSX, 0, 1}));
  EXPECT_TRUE(w.Shows(kWillBeSaved)) << "the summary takes the damaged archive for a backup";
  ASSERT_TRUE(w.InstallAndWaitFinished());
  EXPECT_EQ(w.ProgressLines(), 2);  // the backup line is back
  ASSERT_TRUE(w.FinishWithOk());

  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX));
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T1_512.bmp"));
  EXPECT_EQ(ReadFileBytes(fsx.main + "Pratilo_Original_Tex (unusable).zip"), "set aside before");
  EXPECT_EQ(ReadFileBytes(fsx.main + "Pratilo_Original_Tex (unusable 2).zip"), damaged);

  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX));
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  EXPECT_TRUE(FileExists(fsx.main + "Pratilo_Original_Tex (unusable 2).zip"));
}

TEST(BackupEndToEnd, AFolderWithoutTextureIsRecordedAndUninstallingRemovesOnlyOurs) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  DeleteFileW(testing_support::Widen(fsx.Texture()).c_str());
  auto before = fsx.Snapshot();

  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 2, 0}));
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T3_1024.bmp"));
  auto recorded = ReadZip(ReadFileBytes(fsx.Backup()));
  ASSERT_TRUE(recorded.has_value()) << "no readable record of the missing texture";
  EXPECT_TRUE(recorded->empty());
  // A later installation takes the record for the backup.
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 3, 2}));
  auto kept = ReadZip(ReadFileBytes(fsx.Backup()));
  EXPECT_TRUE(kept && kept->empty());

  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX));
  EXPECT_TRUE(fsx.Snapshot() == before) << "our texture or the record is still there";

  // A texture put there after the installation is not recognised as ours: it stays, and so does
  // the record, which only this payload's texture can be uninstalled with.
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 0, 0}));
  WriteFileBytes(fsx.Texture(), "a texture of the user's own");
  const std::string record = ReadFileBytes(fsx.Backup());
  Wizard w;
  ASSERT_TRUE(w.StartUninstalling(scene.Exe(), Sim::FSX));
  const std::optional<Box> box = WaitForBox(w.Id(), 30000);
  ASSERT_TRUE(box) << w.Describe();
  EXPECT_NE(box->text.find("je ne peux pas reconnaître la texture en place"), std::string::npos) << box->text;
  EXPECT_TRUE(Answer(*box, IDOK));
  EXPECT_EQ(ReadFileBytes(fsx.Texture()), "a texture of the user's own");
  EXPECT_EQ(ReadFileBytes(fsx.Backup()), record);
  EXPECT_TRUE(w.QuitWithYes());
}

TEST(BackupEndToEnd, TheFirstPageSaysWhatIsInPlaceAndAnotherAddOnsTextureIsKept) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  {
    Wizard w;
    ASSERT_TRUE(w.Start(scene.Exe()));
    EXPECT_TRUE(w.Shows("Texture originale en place")) << w.Describe();
    EXPECT_TRUE(w.QuitWithYes());
  }
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 1, 1}));
  {
    Wizard w;
    ASSERT_TRUE(w.Start(scene.Exe()));
    EXPECT_TRUE(w.Shows("Pratilo Variante 2, 512 x 512 en place, originale sauvegardée")) << w.Describe();
    EXPECT_TRUE(w.QuitWithYes());
  }
  WriteFileBytes(fsx.Texture(), "another add-on's texture");
  Wizard w;
  ASSERT_TRUE(w.Start(scene.Exe()));
  EXPECT_TRUE(w.Shows("Une autre texture en place (ni Pratilo, ni l'originale)")) << w.Describe();
  ASSERT_TRUE(w.WalkToSummary({Sim::FSX, 4, 2}));
  EXPECT_TRUE(w.Shows("La texture en place, ni celle de Pratilo ni l'originale, sera conservée dans le fichier "
                      "Pratilo_Other_Tex.zip ; l'originale est déjà sauvegardée"));
  ASSERT_TRUE(w.InstallAndWaitFinished());
  EXPECT_EQ(w.ProgressLines(), 2);  // the copy, then the installation
  ASSERT_TRUE(w.FinishWithOk());
  EXPECT_EQ(ZipEntryData(ReadFileBytes(fsx.main + "Pratilo_Other_Tex.zip"), "detail1.bmp"), "another add-on's texture");
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T5_256.bmp"));
  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX));
}

TEST(BackupEndToEnd, LeftoversOfKilledRunsGoWithTheNextRunAndNothingElse) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  // Files of other programs that look a little like ours: our bytes under another name, another
  // entry's bytes or other bytes under an entry's name, another file's temporary.
  WriteFileBytes(fsx.TextureFolder() + "T1_1024.bmp.bak", PayloadEntry("T1_1024.bmp"));
  WriteFileBytes(fsx.TextureFolder() + "T5_256.bmp", PayloadEntry("T5_512.bmp"));
  WriteFileBytes(fsx.TextureFolder() + "T2_512.bmp", "someone's own T2_512");
  WriteFileBytes(fsx.TextureFolder() + "grass.bmp.~0badf00d.tmp", "not ours");
  auto before = fsx.Snapshot();
  // What kills during the extraction, the rename and the backup leave.
  auto plant = [&] {
    WriteFileBytes(fsx.TextureFolder() + "T1_1024.bmp", PayloadEntry("T1_1024.bmp"));
    WriteFileBytes(fsx.TextureFolder() + "T1_1024.bmp.~1a2b3c4d.tmp", "half an entry");
    WriteFileBytes(fsx.TextureFolder() + "detail1.bmp.~0badf00d.tmp", "half a texture");
    WriteFileBytes(fsx.Backup() + ".~00c0ffee.tmp", "half a backup");
  };

  plant();
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 1, 2}));
  auto installed = before;
  installed["Scenery\\World\\Texture\\detail1.bmp"] = PayloadEntry("T2_256.bmp");
  installed["Pratilo_Original_Tex.zip"] = ReadFileBytes(fsx.Backup());
  EXPECT_TRUE(fsx.Snapshot() == installed) << "the installation left leftovers, or removed more";

  plant();
  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX));
  EXPECT_TRUE(fsx.Snapshot() == before) << "the folder does not hold what it held before";
}

}  // namespace
}  // namespace e2e
