// Damaged, stale and foreign files in the way of an unattended run: each ends with a failure code
// or a kept copy, never with "done" over a wrong file.
#include <gtest/gtest.h>

#include <string>

#include "e2e/support/Scene.h"
#include "e2e/support/Unattended.h"
#include "support/TempFolder.h"
#include "support/Text.h"

namespace e2e {
namespace {

using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

const std::string kInstall = "/install /sim=FSX /variant=2 /res=512 /accept /quiet";
const std::string kUninstall = "/uninstall /sim=FSX /quiet";

TEST(WrongFiles, ADamagedPayloadEntryNeverReplacesTheTexture) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  const std::string payload = scene.ProgramFolder() + "Pratilo.bin";
  WriteFileBytes(payload, WithDamagedEntry(ReadFileBytes(payload), "T2_512.bmp"));
  // A file of the entry's name but other bytes, as an older version or a user left it.
  WriteFileBytes(fsx.TextureFolder() + "T2_512.bmp", "an older T2_512.bmp");
  const Ran ran = RunProgram(scene, kInstall);
  EXPECT_EQ(ran.code, 6u);
  EXPECT_EQ(ran.logLine, "Pratilo: décompression ou renommage impossible (6)");
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  EXPECT_FALSE(FileExists(fsx.TextureFolder() + "T2_512.bmp"));
  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX));
  EXPECT_EQ(Setting("cfgFSX"), "<missing>");
}

TEST(WrongFiles, OurOwnTextureIsNeverSavedAsTheOriginal) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  ASSERT_EQ(RunProgram(scene, kInstall).code, 0u);
  const std::string damaged = ReadFileBytes(fsx.Backup()).substr(0, 200);
  WriteFileBytes(fsx.Backup(), damaged);

  const Ran again = RunProgram(scene, "/install /sim=FSX /variant=3 /res=256 /quiet /lang=E");
  EXPECT_EQ(again.code, 0u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T3_256.bmp"));
  EXPECT_FALSE(FileExists(fsx.Backup())) << "our own texture was saved as the original";
  EXPECT_EQ(ReadFileBytes(fsx.main + "Pratilo_Original_Tex (unusable).zip"), damaged);
  EXPECT_NE(again.log.find("The backup Pratilo_Original_Tex.zip was damaged; it is kept as \"Pratilo_Original_Tex "
                           "(unusable).zip\". The texture in place was already Pratilo's: no original texture is saved."),
            std::string::npos)
      << again.log;
  EXPECT_NE(again.log.find("The saved original texture is damaged"), std::string::npos) << again.log;

  // Nothing claims to restore an original that is not there.
  const Ran uninstall = RunProgram(scene, kUninstall);
  EXPECT_EQ(uninstall.code, 7u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T3_256.bmp"));
}

TEST(WrongFiles, ARecordIsOnlyUninstalledWithThePayloadThatRecognisesOurTexture) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  DeleteFileW(testing_support::Widen(fsx.Texture()).c_str());
  ASSERT_EQ(RunProgram(scene, kInstall).code, 0u);
  const std::string payload = scene.ProgramFolder() + "Pratilo.bin", bytes = ReadFileBytes(payload);
  const std::string record = ReadFileBytes(fsx.Backup());
  for (const char* replacement : {"", "not an archive", "another release"}) {
    SCOPED_TRACE(replacement);
    if (*replacement == 'a')
      WriteFileBytes(payload, StoredZip({{"T2_512.bmp", "another release's texture"}}));
    else if (*replacement)
      WriteFileBytes(payload, replacement);
    else
      DeleteFileW(testing_support::Widen(payload).c_str());
    const Ran ran = RunProgram(scene, kUninstall);
    EXPECT_EQ(ran.code, 8u);
    EXPECT_EQ(ran.logLine, "Pratilo: restauration impossible (sauvegarde conservée) (8)");
    EXPECT_EQ(ReadFileBytes(fsx.Backup()), record);
    EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T2_512.bmp"));
  }
  WriteFileBytes(payload, bytes);
  EXPECT_EQ(RunProgram(scene, kUninstall).code, 0u);
  EXPECT_FALSE(FileExists(fsx.Texture()));
  EXPECT_FALSE(FileExists(fsx.Backup()));
}

TEST(WrongFiles, AnArchiveWeDidNotMakeIsNeverDeleted) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  for (const std::string& foreign : {StoredZip({{"textures/", ""}}),
                                     StoredZip({{"detail1.bmp", "a texture"}, {"readme.txt", "another tool's"}})}) {
    WriteFileBytes(fsx.Backup(), foreign);
    const Ran ran = RunProgram(scene, kUninstall);
    EXPECT_EQ(ran.code, 8u);
    EXPECT_EQ(ReadFileBytes(fsx.Backup()), foreign);
    EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  }
  // An installation sets it aside and saves the original afresh.
  ASSERT_EQ(RunProgram(scene, kInstall).code, 0u);
  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX));
  EXPECT_EQ(ReadFileBytes(fsx.main + "Pratilo_Original_Tex (unusable).zip"),
            StoredZip({{"detail1.bmp", "a texture"}, {"readme.txt", "another tool's"}}));
}

TEST(WrongFiles, TheLogNeverGoesIntoTheRunsOwnFiles) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  ASSERT_EQ(RunProgram(scene, kInstall).code, 0u);
  const auto before = fsx.Snapshot();
  const std::string program = scene.ProgramFolder();
  const std::string places[] = {fsx.Backup(), fsx.Texture(), fsx.TextureFolder() + "T1_1024.bmp",
                                fsx.main + "Pratilo_Original_Tex (unusable).zip", program + "Pratilo.bin",
                                scene.Exe(), fsx.TextureFolder().substr(0, fsx.TextureFolder().size() - 1),
                                scene.Temp() + "missing\\run.log"};
  for (const std::string& place : places) {
    SCOPED_TRACE(place);
    const Ran ran = RunProgramWithout(scene, "/uninstall /sim=FSX /quiet \"/log=" + place + "\"");
    EXPECT_EQ(ran.code, 1u);
    EXPECT_NE(ran.output.find("(1)"), std::string::npos) << ran.output;
    EXPECT_TRUE(fsx.Snapshot() == before);
  }
  const Ran bare = RunProgramWithout(scene, "/uninstall /sim=FSX /quiet /log");
  EXPECT_EQ(bare.code, 1u);
  EXPECT_TRUE(fsx.Snapshot() == before);
}

TEST(WrongFiles, AStaleRegisteredFolderGivesWayToTheGivenOne) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  // What a removed copy of FSX left: its folder with textures, without FSX.exe.
  SimulatorFolder stale{scene.Temp() + "Old FSX\\"};
  WriteFileBytes(stale.Texture(), "an old copy's texture");
  SetSetting("DossierFSX", stale.main);
  EXPECT_EQ(RunProgram(scene, kInstall).code, 0u) << "the registered folder did not win over the stale one";
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T2_512.bmp"));
  EXPECT_EQ(Setting("DossierFSX"), fsx.main);
  scene.ResetFolder(Sim::FSX);

  // Stale in the registry and remembered: only the given folder serves.
  SetSetting("DossierFSX", stale.main);
  scene.Register(Sim::FSX, stale.main);
  EXPECT_EQ(RunProgram(scene, kInstall).code, 2u);
  EXPECT_EQ(ReadFileBytes(stale.Texture()), "an old copy's texture");
  EXPECT_EQ(RunProgram(scene, kInstall + FolderSwitch(fsx.main)).code, 0u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T2_512.bmp"));
  EXPECT_EQ(ReadFileBytes(stale.Texture()), "an old copy's texture");
  EXPECT_FALSE(FileExists(stale.Backup()));
}

TEST(WrongFiles, AnotherAddOnsTextureIsKeptBeforeItIsReplaced) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  ASSERT_EQ(RunProgram(scene, kInstall).code, 0u);
  WriteFileBytes(fsx.Texture(), "another add-on's texture");
  const Ran install = RunProgram(scene, "/install /sim=FSX /variant=1 /res=1024 /quiet /lang=E");
  EXPECT_EQ(install.code, 0u);
  EXPECT_EQ(ArchivedTexture(fsx.main + "Pratilo_Other_Tex.zip"), "another add-on's texture");
  EXPECT_NE(install.log.find("is kept in \"Pratilo_Other_Tex.zip\""), std::string::npos) << install.log;
  EXPECT_NE(install.log.find("Another texture in place (neither Pratilo's nor the original)"), std::string::npos);

  // The uninstallation keeps it too, and never overwrites what was kept before.
  WriteFileBytes(fsx.Texture(), "a third texture");
  const Ran uninstall = RunProgram(scene, kUninstall);
  EXPECT_EQ(uninstall.code, 0u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  EXPECT_EQ(ArchivedTexture(fsx.main + "Pratilo_Other_Tex.zip"), "another add-on's texture");
  EXPECT_EQ(ArchivedTexture(fsx.main + "Pratilo_Other_Tex (2).zip"), "a third texture");
}

}  // namespace
}  // namespace e2e
