// The real Pratilo.exe under Wine, driven from this process through window messages as a user
// drives it. Every scenario starts from its own known state (see Scene).
#include <gtest/gtest.h>

#include "support/HeldFile.h"
#include "e2e/support/Figures.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::FileExists;
using testing_support::HeldFile;
using testing_support::ReadFileBytes;

constexpr char kPayloadMissingText[] =
    "Erreur : Je ne trouve pas le fichier \"Pratilo.bin\" qui DOIT se trouver dans le dossier de ce programme !\r\n"
    "Corrigez svp.\r\n\r\n"
    "Error : I can't find file \"Pratilo.bin\" which HAS TO be in this program's folder !\r\nPlease correct.";
constexpr char kPayloadMissingCaption[] = "Pratilo.bin pas trouvé / Pratilo.bin not found";

// The simulator's own texture as the backup archive holds it; empty when the archive cannot be read.
std::string BackedUpTexture(const SimulatorFolder& folder) {
  return ZipEntryData(ReadFileBytes(folder.Backup()), "detail1.bmp").value_or(std::string());
}

TEST(WizardEndToEnd, FirstInstallationIntoFsxVariation3At256) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  std::string entry = PayloadEntry("T3_256.bmp");
  ASSERT_FALSE(entry.empty()) << "no T3_256.bmp in " << PayloadPath();
  ASSERT_TRUE(entry != scene.Original(Sim::FSX));

  Wizard w;
  const Captions& t = w.Texts();
  double startMs = 0;
  ASSERT_TRUE(w.Start(scene.Exe(), &startMs));
  RecordMilliseconds("Cold start to the first painted page", startMs);
  RecordFigure("Pratilo.exe size", std::to_string(ReadFileBytes(scene.Exe()).size()) + " bytes");

  ASSERT_TRUE(w.WaitForPage(Page::Presentation));
  Click(w.Button("FSX"));
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Licence));
  // Not accepted yet: Next waits for the box.
  HWND agree = w.Button(t.agree);
  ASSERT_NE(agree, nullptr) << w.Describe();
  EXPECT_FALSE(IsChecked(agree));
  EXPECT_FALSE(IsWindowEnabled(w.Button(t.next)));
  Click(agree);
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Variant));
  ASSERT_TRUE(w.ClickButton(t.variants[2]));
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Resolution));
  ASSERT_TRUE(w.ClickButton("256"));
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Summary));
  EXPECT_EQ(TextOf(w.FolderField()), fsx.main);
  EXPECT_NE(FindVisible(w.Window(), L"Static", "Variante 3"), nullptr);
  EXPECT_NE(FindVisible(w.Window(), L"Static", "Résolution 256 x 256"), nullptr);
  ASSERT_TRUE(w.InstallAndWaitFinished());
  EXPECT_EQ(w.ProgressLines(), 2);  // the backup line and the installation line
  ASSERT_TRUE(w.FinishWithOk());

  ASSERT_TRUE(FileExists(fsx.Backup()));
  auto backup = ReadZip(ReadFileBytes(fsx.Backup()));
  ASSERT_TRUE(backup) << "the backup archive cannot be read";
  ASSERT_EQ(backup->size(), 1u);
  EXPECT_EQ(backup->front().name, "detail1.bmp");
  EXPECT_TRUE(backup->front().data == scene.Original(Sim::FSX)) << "the backup does not hold the original texture";
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == entry) << "detail1.bmp is not the payload's T3_256.bmp";
  EXPECT_FALSE(FileExists(fsx.TextureFolder() + "T3_256.bmp"));
  EXPECT_EQ(Setting("cfgFSX"), "22");
  EXPECT_EQ(Setting("accepte"), "Ok");
  EXPECT_EQ(Setting("FS"), "X");
  EXPECT_EQ(Setting("Langue"), "F");
  EXPECT_NE(Setting("fMain"), "<missing>");
  EXPECT_NE(Setting("fMain"), "");
  EXPECT_EQ(Setting("cfgFS9"), "<missing>");
  // FS2004 was not touched.
  EXPECT_FALSE(FileExists(scene.Folder(Sim::FS9).Backup()));
  EXPECT_TRUE(ReadFileBytes(scene.Folder(Sim::FS9).Texture()) == scene.Original(Sim::FS9));
}

TEST(WizardEndToEnd, SecondInstallationLeavesTheBackupAsItWas) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  double firstMs = 0;
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 0, 0}, Language::French, &firstMs));
  RecordMilliseconds("Install to finished page, 1024 texture, first installation", firstMs);
  std::string backup = ReadFileBytes(fsx.Backup());
  ASSERT_FALSE(backup.empty());
  ASSERT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T1_1024.bmp"));

  Wizard w;
  ASSERT_TRUE(w.Start(scene.Exe()));
  ASSERT_TRUE(w.WalkToSummary({Sim::FSX, 3, 0}));
  // The user types over the folder: Install follows whether the typed folder is FSX's main folder.
  HWND install = w.Button(w.Texts().install);
  ASSERT_NE(install, nullptr);
  EXPECT_TRUE(IsWindowEnabled(install));
  ASSERT_TRUE(Type(w.FolderField(), scene.Temp()));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(install); }, 2000)) << "Install stays enabled without FSX.exe";
  ASSERT_TRUE(Type(w.FolderField(), "  " + fsx.main.substr(0, fsx.main.size() - 1)));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(install) != FALSE; }, 2000));
  double secondMs = 0;
  ASSERT_TRUE(w.InstallAndWaitFinished(&secondMs));
  RecordMilliseconds("Install to finished page, 1024 texture, second installation", secondMs);
  EXPECT_EQ(w.ProgressLines(), 1);  // no backup line
  ASSERT_TRUE(w.FinishWithOk());

  EXPECT_TRUE(ReadFileBytes(fsx.Backup()) == backup) << "the backup archive changed";
  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX));
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T4_1024.bmp"));
  EXPECT_EQ(Setting("cfgFSX"), "30");
}

TEST(WizardEndToEnd, UninstallationRestoresTheOriginalAndKeepsTheChoices) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 2, 2}));
  auto remembered = RememberedChoices();
  ASSERT_EQ(remembered["cfgFSX"], "22");

  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX));
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX)) << "the original texture is not back";
  EXPECT_FALSE(FileExists(fsx.Backup()));
  EXPECT_EQ(RememberedChoices(), remembered);

  // The next start offers the same simulator and choice, with the licence accepted.
  Wizard w;
  const Captions& t = w.Texts();
  ASSERT_TRUE(w.Start(scene.Exe()));
  ASSERT_TRUE(w.WaitForPage(Page::Presentation));
  EXPECT_TRUE(IsChecked(w.Button("FSX")));
  EXPECT_FALSE(IsChecked(w.Button("FS2004")));
  ASSERT_NE(w.Button(t.uninstall), nullptr);
  EXPECT_FALSE(IsWindowEnabled(w.Button(t.uninstall))) << "no backup left to uninstall from";
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Licence));
  HWND next = w.Button(t.next);
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(IsWindowEnabled(next)) << "the licence is asked for again";
  if (HWND agree = w.Button(t.agree)) {
    EXPECT_TRUE(IsChecked(agree));
  }
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Variant));
  EXPECT_TRUE(IsChecked(w.Button(t.variants[2])));
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Resolution));
  EXPECT_TRUE(IsChecked(w.Button("256")));
  ASSERT_TRUE(w.QuitWithYes());
}

TEST(WizardEndToEnd, UninstallingFsxLeavesFs2004Untouched) {
  Scene scene;
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FS9, 1, 1}));
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 4, 2}));
  EXPECT_EQ(Setting("cfgFS9"), "11");
  EXPECT_EQ(Setting("cfgFSX"), "42");
  const SimulatorFolder& fs9 = scene.Folder(Sim::FS9);
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  auto fs9Before = fs9.Snapshot();
  ASSERT_TRUE(ReadFileBytes(fs9.Texture()) == PayloadEntry("T2_512.bmp"));
  ASSERT_TRUE(BackedUpTexture(fs9) == scene.Original(Sim::FS9));

  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX));
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  EXPECT_FALSE(FileExists(fsx.Backup()));
  EXPECT_TRUE(fs9.Snapshot() == fs9Before) << "the FS2004 folder changed";
}

TEST(WizardEndToEnd, MissingPayloadIsReportedInBothLanguagesAndTheProgramEnds) {
  Scene scene({.payload = false});
  ChildProcess program;
  ASSERT_TRUE(program.Start(scene.Exe()));
  std::optional<Box> box;
  WaitUntil([&] { return (box = FindBox(program.Id())) || !TopLevelWindows(program.Id(), L"TfMain", true).empty(); },
            20000);
  ASSERT_TRUE(box) << "no error box";
  box = WaitForBox(program.Id(), 1000);  // read again once it has settled
  ASSERT_TRUE(box);
  EXPECT_EQ(box->caption, kPayloadMissingCaption);
  EXPECT_EQ(box->text, kPayloadMissingText);
  EXPECT_TRUE(TopLevelWindows(program.Id(), L"TfMain", true).empty()) << "the wizard is shown without its payload";
  ASSERT_TRUE(Answer(*box, IDOK));
  EXPECT_TRUE(program.WaitExit(10000)) << "the program goes on without its payload";
  EXPECT_TRUE(ReadFileBytes(scene.Folder(Sim::FSX).Texture()) == scene.Original(Sim::FSX));
}

TEST(WizardEndToEnd, SecondCopyBringsTheFirstToTheFrontAndEnds) {
  Scene scene;
  Wizard first;
  ASSERT_TRUE(first.Start(scene.Exe()));
  ASSERT_TRUE(first.WaitForPage(Page::Presentation));

  // Another program's window is in front when the second copy starts.
  HWND front = CreateWindowExW(0, L"STATIC", L"In front", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
  ASSERT_NE(front, nullptr);
  SetForegroundWindow(front);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  bool frontWasForeground = GetForegroundWindow() == front;

  ChildProcess second;
  ASSERT_TRUE(second.Start(scene.Exe()));
  bool secondShowedWizard = false;
  bool ended = WaitUntil(
      [&] {
        secondShowedWizard = secondShowedWizard || !TopLevelWindows(second.Id(), L"TfMain", true).empty();
        return !second.Running();
      },
      20000);
  EXPECT_TRUE(ended) << "the second copy keeps running";
  EXPECT_FALSE(secondShowedWizard) << "the second copy showed its wizard";
  ASSERT_TRUE(first.Process().Running());
  HWND wizard = first.Window();
  ASSERT_NE(wizard, nullptr);
  HWND foreground = GetForegroundWindow();
  DWORD foregroundOwner = 0;
  GetWindowThreadProcessId(foreground, &foregroundOwner);
  if (frontWasForeground) {
    EXPECT_EQ(foregroundOwner, first.Id()) << "the first copy did not come to the front";
  } else {
    // Without a foreground window to take over from, the window order still tells.
    bool above = false;
    for (HWND w = GetWindow(front, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) above = above || w == wizard;
    EXPECT_TRUE(above) << "the first copy's window is not above the other program's window";
  }
  DestroyWindow(front);
  EXPECT_TRUE(first.QuitWithYes());
}

TEST(WizardEndToEnd, TestGridSkipsTheResolutionPageBothWays) {
  Scene scene;
  Wizard w;
  const Captions& t = w.Texts();
  ASSERT_TRUE(w.Start(scene.Exe()));
  ASSERT_TRUE(w.WalkToSummary({Sim::FSX, 0, 1}));
  ASSERT_TRUE(w.ClickButton(t.previous));
  ASSERT_TRUE(w.WaitForPage(Page::Resolution));
  ASSERT_TRUE(w.ClickButton(t.previous));
  ASSERT_TRUE(w.WaitForPage(Page::Variant));
  ASSERT_TRUE(w.ClickButton(t.variants[5]));
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Summary));
  EXPECT_NE(FindVisible(w.Window(), L"Static", t.variants[5]), nullptr);
  EXPECT_EQ(FindVisible(w.Window(), L"Static", "Résolution 512 x 512"), nullptr) << "the test grid shows a resolution";
  ASSERT_TRUE(w.ClickButton(t.previous));
  ASSERT_TRUE(w.WaitForPage(Page::Variant));
  EXPECT_TRUE(IsChecked(w.Button(t.variants[5])));
  ASSERT_TRUE(w.ClickButton(t.next));
  ASSERT_TRUE(w.WaitForPage(Page::Summary));
  ASSERT_TRUE(w.InstallAndWaitFinished());
  ASSERT_TRUE(w.FinishWithOk());

  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T6.bmp")) << "detail1.bmp is not T6.bmp";
  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX));
  EXPECT_EQ(Setting("cfgFSX"), "51");
}

// The simulator starts while the backup is being made, after the check that it is closed: the
// rename then fails.
TEST(WizardEndToEnd, RefusedRenameNamesTheFilesAndTheFolderAndKeepsTheOriginal) {
  Scene scene({.originalSize = 32u << 20});  // a backup long enough to start the holder meanwhile
  SetSetting("Langue", "E");
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  std::optional<HeldFile> simulator;

  Wizard w(Language::English);
  ASSERT_TRUE(w.Start(scene.Exe()));
  ASSERT_TRUE(w.WalkToSummary({Sim::FSX, 0, 0}));
  ASSERT_TRUE(w.ClickButton(w.Texts().install));
  ASSERT_TRUE(w.WaitForPage(Page::Installation, 10000));
  simulator.emplace(fsx.Texture());
  ASSERT_TRUE(simulator->held());
  std::optional<Box> box;
  WaitUntil([&] { return (box = FindBox(w.Id())) || !w.Process().Running() || w.Button("Ok"); }, 60000);
  ASSERT_TRUE(box) << "no message; the file was held too late or the rename did not fail; " << w.Describe();
  box = WaitForBox(w.Id(), 1000);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->caption, "Pratilo");
  EXPECT_EQ(box->text, "Unable to rename \"T1_1024.bmp\" as \"detail1.bmp\" in folder \"" + fsx.TextureFolder() + "\" !");
  ASSERT_TRUE(Answer(*box, IDOK));
  EXPECT_TRUE(w.Process().WaitExit(10000)) << "the program goes on after the failed rename; " << w.Describe();
  simulator->Release();

  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX)) << "the original detail1.bmp was lost";
  EXPECT_TRUE(BackedUpTexture(fsx) == scene.Original(Sim::FSX)) << "the backup does not hold the original";
  EXPECT_EQ(Setting("cfgFSX"), "<missing>");
}

// The simulator holds detail1.bmp when the user uninstalls: the program says so and offers Retry
// and Cancel. Cancel keeps everything as it was and leaves the first page usable; Retry after the
// simulator has closed finishes the uninstallation.
struct HeldCase {
  const char* name;
  bool closeSimulatorAndRetry;
};

class UninstallWhileHeld : public ::testing::TestWithParam<HeldCase> {};

constexpr char kSimulatorRunning[] =
    "Le simulateur semble être en cours d'exécution, il utilise le fichier \"detail1.bmp\" !\r\n"
    "Fermez-le svp, puis réessayez.";

TEST_P(UninstallWhileHeld, KeepsTheBackupAndSaysSo) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  ASSERT_TRUE(InstallOnce(scene.Exe(), {Sim::FSX, 1, 2}));
  std::string installed = ReadFileBytes(fsx.Texture());
  std::string backup = ReadFileBytes(fsx.Backup());
  ASSERT_FALSE(backup.empty());

  HeldFile simulator(fsx.Texture());
  ASSERT_TRUE(simulator.held());
  Wizard w;
  const Captions& t = w.Texts();
  ASSERT_TRUE(w.Start(scene.Exe()));
  ASSERT_TRUE(w.WaitForPage(Page::Presentation));
  ASSERT_TRUE(w.ClickButton(t.uninstall));
  auto question = WaitForBox(w.Id(), 5000);
  ASSERT_TRUE(question) << w.Describe();
  ASSERT_EQ(question->caption, t.uninstallCaption);
  ASSERT_TRUE(Answer(*question, IDYES));

  auto told = WaitForBox(w.Id(), 10000);
  ASSERT_TRUE(told) << "the user is not told that the texture is in use; " << w.Describe();
  EXPECT_EQ(told->caption, "Pratilo");
  EXPECT_EQ(told->text, kSimulatorRunning);
  EXPECT_TRUE(ReadFileBytes(fsx.Backup()) == backup) << "the backup archive changed while the file is held";
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == installed);

  if (GetParam().closeSimulatorAndRetry) {
    simulator.Release();
    ASSERT_TRUE(Answer(*told, IDRETRY));
    auto done = WaitForBox(w.Id(), 30000);
    ASSERT_TRUE(done) << w.Describe();
    EXPECT_EQ(done->text, t.uninstallDone);
    ASSERT_TRUE(Answer(*done, IDOK));
    EXPECT_TRUE(w.Process().WaitExit(10000)) << w.Describe();
    EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
    EXPECT_FALSE(FileExists(fsx.Backup()));
    return;
  }

  ASSERT_TRUE(Answer(*told, IDCANCEL));
  auto more = WaitForBox(w.Id(), 1500);
  EXPECT_FALSE(more) << "unexpected " << more->Describe();
  if (more) Answer(*more, IDOK);
  EXPECT_TRUE(ReadFileBytes(fsx.Backup()) == backup) << "the backup archive was not kept as it was";
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == installed);
  // The first page is usable again: the progress bar does not cover its buttons.
  ASSERT_TRUE(w.Process().Running()) << "the program ended";
  EXPECT_TRUE(VisibleDescendants(w.Window(), L"msctls_statusbar32").empty()) << "the status bar covers the buttons";
  EXPECT_TRUE(w.QuitWithYes());

  // Nothing is lost: once the simulator lets the file go, the uninstallation works.
  simulator.Release();
  ASSERT_TRUE(UninstallOnce(scene.Exe(), Sim::FSX));
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  EXPECT_FALSE(FileExists(fsx.Backup()));
}

INSTANTIATE_TEST_SUITE_P(WizardEndToEnd, UninstallWhileHeld,
                         ::testing::Values(HeldCase{"Cancel", false}, HeldCase{"CloseSimulatorAndRetry", true}),
                         [](const ::testing::TestParamInfo<HeldCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
