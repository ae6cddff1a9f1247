// Unattended use: the real Pratilo.exe started with switches, one scenario per outcome a user can
// cause, each checking the exit code, the files, the remembered values and the log's last line.
#include <gtest/gtest.h>

#include <string>

#include "e2e/support/Figures.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Unattended.h"
#include "e2e/support/Windows.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
#include "support/HeldFile.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::FileExists;
using testing_support::ReadFileBytes;

TEST(CommandLine, AQuietInstallationAndUninstallationDoTheWizardsWork) {
  Scene scene({.originalSize = 24u << 20});
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  const auto fs9Before = scene.Folder(Sim::FS9).Snapshot();
  const Ran install = RunProgram(scene, "/install /sim=FSX /variant=3 /res=1024 /accept /quiet");
  EXPECT_EQ(install.code, 0u);
  RecordMilliseconds("Quiet installation from process start to exit, 1024 texture, 24 MB original", install.ms);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T3_1024.bmp"));
  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX));
  EXPECT_FALSE(FileExists(fsx.TextureFolder() + "T3_1024.bmp"));
  EXPECT_EQ(Setting("cfgFSX"), "20");
  EXPECT_EQ(Setting("accepte"), "Ok");
  EXPECT_EQ(Setting("FS"), "X");
  EXPECT_EQ(install.logLine, "Pratilo: terminé (0)");
  EXPECT_NE(install.output.find("Pratilo: terminé (0)"), std::string::npos) << install.output;

  const Ran uninstall = RunProgram(scene, "-UNINSTALL -Sim=fsx -quiet -lang=E");
  EXPECT_EQ(uninstall.code, 0u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  EXPECT_FALSE(FileExists(fsx.Backup()));
  EXPECT_EQ(Setting("Langue"), "E");
  EXPECT_EQ(uninstall.logLine, "Pratilo: done (0)");
  EXPECT_TRUE(scene.Folder(Sim::FS9).Snapshot() == fs9Before);
}

TEST(CommandLine, ABadCommandLineChangesNothingAndGivesTheUsage) {
  Scene scene;
  const auto before = scene.Folder(Sim::FSX).Snapshot();
  const Ran ran = RunProgram(scene, "/install /sim=FSX /variant=7 /res=1024 /accept /quiet");
  EXPECT_EQ(ran.code, 1u);
  EXPECT_EQ(ran.logLine, "Pratilo: ligne de commande incorrecte (1)");
  EXPECT_NE(ran.output.find("/variant=1..5|grid"), std::string::npos) << ran.output;
  EXPECT_TRUE(scene.Folder(Sim::FSX).Snapshot() == before);
  EXPECT_EQ(Setting("FS"), "<missing>");

  // A remembered language other than French is English, as in the wizard.
  SetSetting("Langue", "X");
  EXPECT_EQ(RunProgram(scene, "/uninstall /sim=FSX /res=512 /quiet").logLine, "Pratilo: bad command line (1)");

  const Ran help = RunProgram(scene, "/?");
  EXPECT_EQ(help.code, 0u);
  EXPECT_NE(help.output.find("  9  "), std::string::npos) << help.output;
}

// The registry names no FSX: only a folder given on the command line, and the right one, will do.
TEST(CommandLine, WithoutTheSimulatorsFolderOnlyTheGivenMainFolderServes) {
  Scene scene;
  scene.Unregister(Sim::FSX);
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  const auto before = fsx.Snapshot();
  const std::string install = "/install /sim=FSX /variant=1 /res=512 /accept /quiet";
  EXPECT_EQ(RunProgram(scene, install).code, 2u);
  const Ran wrong = RunProgram(scene, install + FolderSwitch(scene.Folder(Sim::FS9).main));
  EXPECT_EQ(wrong.code, 2u);
  EXPECT_EQ(wrong.logLine, "Pratilo: simulateur ou dossier principal introuvable (2)");
  EXPECT_TRUE(fsx.Snapshot() == before);
  EXPECT_EQ(Setting("FS"), "<missing>");
  const Ran right = RunProgram(scene, install + FolderSwitch(fsx.main));
  EXPECT_EQ(right.code, 0u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T1_512.bmp"));
}

TEST(CommandLine, TheLicenceIsAcceptedOnceForAll) {
  Scene scene;
  const SimulatorFolder& fs9 = scene.Folder(Sim::FS9);
  const auto before = fs9.Snapshot();
  const Ran refused = RunProgram(scene, "/install /sim=FS2004 /variant=grid /quiet");
  EXPECT_EQ(refused.code, 3u);
  EXPECT_EQ(refused.logLine, "Pratilo: contrat de licence non accepté (3)");
  EXPECT_TRUE(fs9.Snapshot() == before);
  EXPECT_EQ(Setting("accepte"), "<missing>");
  EXPECT_EQ(RunProgram(scene, "/install /sim=FS2004 /variant=grid /accept /quiet").code, 0u);
  EXPECT_TRUE(ReadFileBytes(fs9.Texture()) == PayloadEntry("T6.bmp"));
  EXPECT_EQ(Setting("cfgFS9"), "50");
  EXPECT_EQ(RunProgram(scene, "/install /sim=FS2004 /variant=2 /res=256 /quiet").code, 0u);
  EXPECT_TRUE(ReadFileBytes(fs9.Texture()) == PayloadEntry("T2_256.bmp"));
  EXPECT_TRUE(BackedUpTexture(fs9) == scene.Original(Sim::FS9));
}

TEST(CommandLine, AHeldTextureStopsTheRunBeforeAnythingChanges) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  const auto before = fsx.Snapshot();
  testing_support::HeldFile held(fsx.Texture());
  ASSERT_TRUE(held.held());
  const Ran ran = RunProgram(scene, "/install /sim=FSX /variant=2 /res=1024 /accept /quiet");
  EXPECT_EQ(ran.code, 4u);
  EXPECT_EQ(ran.logLine, "Pratilo: simulateur en cours d'exécution (detail1.bmp utilisé) (4)");
  held.Release();
  EXPECT_TRUE(fsx.Snapshot() == before);
  EXPECT_EQ(Setting("cfgFSX"), "<missing>");
}

// Runs the program without /quiet: its outcome comes in a message box, which is answered.
DWORD RunAnsweringTheBox(const Scene& scene, const std::string& switches, const std::string& expectedText) {
  ChildProcess program;
  if (!program.Start(scene.Exe(), switches)) return STILL_ACTIVE;
  const std::optional<Box> box = WaitForBox(program.Id(), 30000);
  EXPECT_TRUE(box) << "no message box";
  if (!box) return STILL_ACTIVE;
  EXPECT_EQ(box->text, expectedText);
  EXPECT_TRUE(Answer(*box, IDOK));
  return program.WaitExit(10000) ? program.ExitCode() : STILL_ACTIVE;
}

TEST(CommandLine, NothingToUninstallIsSaidAndChangesNothing) {
  Scene scene;
  const auto before = scene.Folder(Sim::FSX).Snapshot();
  EXPECT_EQ(RunProgram(scene, "/uninstall /sim=FSX /quiet").code, 7u);
  EXPECT_EQ(RunAnsweringTheBox(scene, "/uninstall /sim=FSX /lang=E", "nothing to uninstall"), 7u);
  EXPECT_TRUE(scene.Folder(Sim::FSX).Snapshot() == before);
  // Shown, the installation runs under the wait window and ends with the wizard's own words.
  EXPECT_EQ(RunAnsweringTheBox(scene, "/install /sim=FSX /variant=5 /res=256 /accept",
                               "Pratilo setup is finished."),  // in the language remembered above
            0u);
  EXPECT_TRUE(ReadFileBytes(scene.Folder(Sim::FSX).Texture()) == PayloadEntry("T5_256.bmp"));
}

// A copy with switches does not hand its command line to a running wizard, which would ignore it.
TEST(CommandLine, ACopyWithSwitchesLeavesTheRunningWizardAlone) {
  Scene scene;
  Wizard wizard;
  ASSERT_TRUE(wizard.Start(scene.Exe()));
  const Ran ran = RunProgram(scene, "/install /sim=FSX /variant=1 /res=1024 /accept /quiet");
  EXPECT_EQ(ran.code, 9u);
  EXPECT_EQ(ran.logLine, "Pratilo: une autre copie de Pratilo est en cours (9)");
  EXPECT_TRUE(ReadFileBytes(scene.Folder(Sim::FSX).Texture()) == scene.Original(Sim::FSX));
  EXPECT_TRUE(wizard.Process().Running());
  EXPECT_EQ(wizard.CurrentPage(), Page::Presentation);
}

// A file dropped on the program, or a shortcut's extra words: the wizard, as before; with a wizard
// running, the words go to it and the new copy ends without waiting for a click.
TEST(CommandLine, WordsThatAreNoSwitchesStartTheWizard) {
  Scene scene;
  Wizard wizard;
  ASSERT_TRUE(wizard.Start(scene.Exe()));
  ChildProcess dropped;
  ASSERT_TRUE(dropped.Start(scene.Exe(), "\"C:\\Textures\\detail1.bmp\" extra words"));
  EXPECT_TRUE(dropped.WaitExit(15000)) << "the second copy waits for a click";
  EXPECT_TRUE(wizard.Process().Running());
  EXPECT_EQ(wizard.CurrentPage(), Page::Presentation);
  EXPECT_TRUE(ReadFileBytes(scene.Folder(Sim::FSX).Texture()) == scene.Original(Sim::FSX));
}

}  // namespace
}  // namespace e2e
