#include <gtest/gtest.h>

#include <windows.h>

#include "support/Runs.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/DialogAnswerer.h"
#include "support/RegistryFixture.h"
#include "ui/dialogs/Application.h"

namespace {

using testing_support::StoredSetting;
using testing_support::DialogAnswerer;

const std::wstring kFS9Key = L"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
const std::wstring kFSXKey = L"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";

void Register(const std::wstring& key, const std::wstring& name, const std::string& folder) {
  std::wstring text = core::Widen(folder);
  testing_support::SetRawValue(HKEY_LOCAL_MACHINE, key, name, REG_SZ, text.c_str(),
                               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

const std::wstring kSteamUserKey = L"Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0";

void RegisterSteam(const std::string& folder) {
  std::wstring text = core::Widen(folder);
  testing_support::SetRawValue(HKEY_CURRENT_USER, kSteamUserKey, L"AppPath", REG_SZ, text.c_str(),
                               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

class StartUp : public testing_support::RunTest, public ::testing::Test {
 protected:
  void SetUp() override {
    ui::App().Initialize();
    testing_support::DeleteRegTree(HKEY_LOCAL_MACHINE, kFS9Key);
    testing_support::DeleteRegTree(HKEY_LOCAL_MACHINE, kFSXKey);
    testing_support::DeleteRegTree(HKEY_CURRENT_USER, kSteamUserKey);
  }
  void TearDown() override {
    testing_support::DeleteRegTree(HKEY_LOCAL_MACHINE, kFS9Key);
    testing_support::DeleteRegTree(HKEY_LOCAL_MACHINE, kFSXKey);
    testing_support::DeleteRegTree(HKEY_CURRENT_USER, kSteamUserKey);
  }
  // Start-up, then every page made as a first visit would: the later pages show what it decided.
  void Start() {
    w().FormCreate();
    MakeEveryPage();
  }
};

TEST_F(StartUp, WithNothingRememberedItSpeaksFrenchAndChoosesNoSimulator) {
  Start();
  EXPECT_EQ(w().Lang, 'F');
  EXPECT_EQ(StoredSetting("Langue"), "F");
  EXPECT_FALSE(w().rbFS9.Checked());
  EXPECT_FALSE(w().rbFSX.Checked());
  EXPECT_FALSE(w().s0.Enabled());
  EXPECT_TRUE(w().cb1.Visible());
  EXPECT_EQ(w().pc.ActivePage(), &w().ts0);
  EXPECT_EQ(w().lCode.Text(), "");
  EXPECT_EQ(Halts(), 0);
  // Other installers take an existing key for an installed simulator: looking must leave none.
  EXPECT_FALSE(testing_support::RegKeyExists(HKEY_LOCAL_MACHINE, kFS9Key));
  EXPECT_FALSE(testing_support::RegKeyExists(HKEY_LOCAL_MACHINE, kFSXKey));
}

TEST_F(StartUp, BothSimulatorsRegisteredAndNoneRememberedPreselectsFSX) {
  std::string fs9 = MakeSimulator("FS9", "FS9.exe");
  std::string fsx = MakeSimulator("FSX", "FSX.exe");
  Register(kFS9Key, L"EXE Path", "  " + fs9.substr(0, fs9.size() - 1) + " ");  // blanks, no backslash
  Register(kFSXKey, L"SetupPath", fsx);
  core::WriteSetting("Langue", "E");
  core::WriteSetting("cfgFSX", "3");  // one character: the first variant at 1024
  Start();
  EXPECT_EQ(w().Lang, 'E');
  EXPECT_TRUE(w().bEnglish.Checked());
  EXPECT_FALSE(w().bFrench.Checked());
  EXPECT_TRUE(w().rbFSX.Checked());
  EXPECT_EQ(w().FolderFS9, fs9);
  EXPECT_EQ(w().FolderFSX, fsx);
  EXPECT_EQ(w().e6.Text(), fsx);
  EXPECT_EQ(StoredSetting("DossierFS9"), fs9);
  EXPECT_EQ(StoredSetting("DossierFSX"), fsx);
  EXPECT_EQ(StoredSetting("FS"), "X");
  EXPECT_EQ(w().VariantIndex(), 0);
  EXPECT_EQ(w().ResolutionIndex(), 0);
  EXPECT_TRUE(w().s0.Enabled());
}

TEST_F(StartUp, AStaleRememberedFolderGivesWayToTheRegisteredOne) {
  std::string stale = MakeFolder("Moved", {});
  std::string fs9 = MakeSimulator("FS9", "FS9.exe");
  core::WriteSetting("DossierFS9", stale);
  Register(kFS9Key, L"EXE Path", fs9);
  core::WriteSetting("FS", "9");
  Start();
  EXPECT_EQ(w().FolderFS9, fs9);
  EXPECT_EQ(StoredSetting("DossierFS9"), fs9);
  EXPECT_TRUE(w().rbFS9.Checked());
  EXPECT_TRUE(w().s6.Enabled());
}

TEST_F(StartUp, ARememberedSimulatorWithoutAFolderLeavesInstallDisabled) {
  std::string stale = MakeFolder("Moved", {});
  core::WriteSetting("DossierFS9", stale);
  core::WriteSetting("FS", "9");
  Start();
  EXPECT_TRUE(w().rbFS9.Checked());
  EXPECT_EQ(w().e6.Text(), "");
  EXPECT_FALSE(w().s6.Enabled());
  EXPECT_EQ(StoredSetting("DossierFS9"), stale);  // nothing better was found: the value stays
}

TEST_F(StartUp, TheSteamEditionIsFoundWhenTheBoxedEntryGivesNothing) {
  std::string steam = MakeSimulator("FSX SE", "FSX.exe");
  RegisterSteam(steam.substr(0, steam.size() - 1));
  core::WriteSetting("DossierFSX", MakeFolder("Moved", {}));  // stale
  Start();
  EXPECT_EQ(w().FolderFSX, steam);
  EXPECT_EQ(StoredSetting("DossierFSX"), steam);
  EXPECT_TRUE(w().rbFSX.Checked());
  EXPECT_EQ(w().e6.Text(), steam);
  EXPECT_TRUE(w().s6.Enabled());
}

TEST_F(StartUp, TheBoxedEntryComesBeforeTheSteamEdition) {
  std::string steam = MakeSimulator("FSX SE", "FSX.exe");
  RegisterSteam(steam);
  Register(kFSXKey, L"SetupPath", "D:\\Boxed FSX");  // taken untested, as before
  w().FormCreate();
  EXPECT_EQ(w().FolderFSX, "D:\\Boxed FSX\\");
  EXPECT_EQ(StoredSetting("DossierFSX"), "D:\\Boxed FSX\\");
}

TEST_F(StartUp, AValidRememberedFolderComesBeforeTheSteamEdition) {
  std::string steam = MakeSimulator("FSX SE", "FSX.exe");
  std::string remembered = MakeSimulator("FSX", "FSX.exe");
  RegisterSteam(steam);
  core::WriteSetting("DossierFSX", remembered);
  w().FormCreate();
  EXPECT_EQ(w().FolderFSX, remembered);
  EXPECT_EQ(StoredSetting("DossierFSX"), remembered);
}

TEST_F(StartUp, AnAcceptedLicenceNeedsNoTickingAgain) {
  core::WriteSetting("accepte", "Ok");
  Start();
  EXPECT_FALSE(w().cb1.Visible());
  EXPECT_TRUE(w().s1.Enabled());
}

class MissingPayload : public testing_support::WizardTest, public ::testing::Test {
 public:
  MissingPayload()
      : WizardTest([this](app::TfMain::Options& options) {
          options.payloadArchive = "C:\\nowhere\\Pratilo.bin";
          options.halt = [this] { ++halts; };
        }) {}
  int halts = 0;
};

TEST_F(MissingPayload, SaysSoInBothLanguagesClosesAndStops) {
  ui::App().Initialize();
  DialogAnswerer answerer(L"Pratilo.bin pas trouvé / Pratilo.bin not found", IDOK);
  w().FormCreate();
  auto seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text,
            "Erreur : Je ne trouve pas le fichier \"Pratilo.bin\" qui DOIT se trouver dans le dossier de ce programme "
            "!\r\nCorrigez svp.\r\n\r\nError : I can't find file \"Pratilo.bin\" which HAS TO be in this program's "
            "folder !\r\nPlease correct.");
  EXPECT_TRUE(seen[0].hasIcon);
  EXPECT_EQ(halts, 1);
  EXPECT_EQ(w().Handle(), nullptr);
  EXPECT_EQ(StoredSetting("Langue"), "<missing>");  // it stopped before the language was read
}

}  // namespace
