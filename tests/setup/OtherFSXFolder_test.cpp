#include "setup/OtherFSXFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/RegistryFixture.h"
#include "support/TempFolder.h"
#include "support/Setups.h"

namespace {

using testing_support::RegKeyExists;
using testing_support::StoredSetting;

// The three places in the order the wizard must try them (32-bit view).
struct Place {
  HKEY hive;
  std::wstring key;
  std::wstring value;
};
const Place kSteamUser{HKEY_CURRENT_USER,
                       L"Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0", L"AppPath"};
const Place kDovetail{HKEY_LOCAL_MACHINE, L"SOFTWARE\\Dovetail Games\\FSX\\10.0", L"Install_Path"};
const Place kBoxedUser{HKEY_CURRENT_USER, L"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0", L"AppPath"};

void Put(const Place& place, const std::string& folder) {
  std::wstring text = core::Widen(folder);
  ASSERT_TRUE(testing_support::SetRawValue(place.hive, place.key, place.value, REG_SZ, text.c_str(),
                                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
}

class OtherFSXFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    Clean();
    testing_support::ClearSettings();
    for (const char* name : {"A", "B", "C"}) {
      std::string folder = temp / name;
      CreateDirectoryW(core::Widen(folder).c_str(), nullptr);
      testing_support::WriteFileBytes(folder + "\\FSX.exe", "MZ");
    }
    CreateDirectoryW(core::Widen(temp / "NoMarker").c_str(), nullptr);
  }
  void TearDown() override {
    Clean();
    testing_support::ClearSettings();
  }
  static void Clean() {
    testing_support::DeleteRegTree(kSteamUser.hive,
                                   L"Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition");
    testing_support::DeleteRegTree(kDovetail.hive, L"SOFTWARE\\Dovetail Games");
    testing_support::DeleteRegTree(kBoxedUser.hive, kBoxedUser.key);
  }
  testing_support::TempFolder temp{"fsxreg"};
};

TEST_F(OtherFSXFolder, TakesTheFirstPlaceWhoseFolderHoldsFSXExeAndRemembersIt) {
  struct Case {
    const char* label;
    const char* steamUser;  // folder names under the temporary folder; nullptr: no value
    const char* dovetail;
    const char* boxedUser;
    const char* expected;
  };
  const Case cases[] = {
      {"Steam, per user", "A", nullptr, nullptr, "A"},
      {"Dovetail, machine", nullptr, "B", nullptr, "B"},
      {"boxed, per user", nullptr, nullptr, "C", "C"},
      {"all three: Steam per user first", "A", "B", "C", "A"},
      {"Dovetail before the boxed per-user entry", nullptr, "B", "C", "B"},
      {"a folder without FSX.exe is passed over", "NoMarker", "B", "C", "B"},
      {"only folders without FSX.exe", "NoMarker", "NoMarker", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Clean();
    testing_support::ClearSettings();
    if (c.steamUser) Put(kSteamUser, temp / c.steamUser);  // as the Steam setup writes it: no backslash
    if (c.dovetail) Put(kDovetail, "  " + (temp / c.dovetail) + "\\ ");
    if (c.boxedUser) Put(kBoxedUser, temp / c.boxedUser + "\\");
    std::string expected = c.expected ? temp / c.expected + "\\" : "";
    EXPECT_EQ(setup::FindOtherFSXFolder(), expected);
    EXPECT_EQ(StoredSetting("DossierFSX"), c.expected ? expected : "<missing>");
  }
}

TEST_F(OtherFSXFolder, FindingNothingCreatesNoKeyAndKeepsTheRememberedFolder) {
  core::WriteSetting("DossierFSX", "C:\\Moved\\");
  EXPECT_EQ(setup::FindOtherFSXFolder(), "");
  EXPECT_EQ(StoredSetting("DossierFSX"), "C:\\Moved\\");
  // Looking must not make this machine look as if another edition were installed.
  EXPECT_FALSE(RegKeyExists(kSteamUser.hive, kSteamUser.key));
  EXPECT_FALSE(RegKeyExists(kDovetail.hive, kDovetail.key));
  EXPECT_FALSE(RegKeyExists(kBoxedUser.hive, kBoxedUser.key));
}

}  // namespace
