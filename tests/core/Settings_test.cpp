#include <gtest/gtest.h>

#include <windows.h>

#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/RegistryFixture.h"

using namespace core;
using namespace testing_support;

namespace {

const wchar_t kKey[] = L"Software\\Nuvra Soft\\PratiloSettingsTest";
const wchar_t kKey64Mirror[] = L"Software\\Wow6432Node\\Nuvra Soft\\PratiloSettingsTest";

class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override {
    Env().ProgramName = "PratiloSettingsTest";
    DeleteRegTree(HKEY_CURRENT_USER, kKey);
    DeleteRegTree(HKEY_LOCAL_MACHINE, kKey);
  }
  void TearDown() override {
    DeleteRegTree(HKEY_CURRENT_USER, kKey);
    DeleteRegTree(HKEY_LOCAL_MACHINE, kKey);
  }
  static std::wstring Raw(HKEY hive, const wchar_t* name, DWORD* type = nullptr) {
    DWORD t = 0;
    std::wstring data;
    if (!GetRawValue(hive, kKey, name, t, data)) return L"<missing>";
    if (type) *type = t;
    return data;
  }
};

}  // namespace

TEST_F(SettingsStore, ReadingANeverWrittenValueGivesEmptyTextAndCreatesTheKey) {
  EXPECT_EQ(SettingsKeyPath(), "\\Software\\Nuvra Soft\\PratiloSettingsTest");
  ASSERT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kKey));
  EXPECT_EQ(ReadSetting("Langue"), "");
  EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, kKey));
  EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kKey, L"Langue"));
}

TEST_F(SettingsStore, WritesRegSzWithTheTerminatingZeroAndReadsItBack) {
  WriteSetting("DossierFS9", "C:\\Jeux\\Flight Simulator 9 é\\");
  DWORD type = 0;
  EXPECT_EQ(Raw(HKEY_CURRENT_USER, L"DossierFS9", &type), L"C:\\Jeux\\Flight Simulator 9 \u00E9\\" + std::wstring(1, L'\0'));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(ReadSetting("DossierFS9"), "C:\\Jeux\\Flight Simulator 9 é\\");

  WriteSetting("accepte", "");
  EXPECT_EQ(Raw(HKEY_CURRENT_USER, L"accepte"), std::wstring(1, L'\0'));  // one terminating zero
  EXPECT_EQ(ReadSetting("accepte"), "");

  WriteSetting("Lancements", Value::Integer(42));
  WriteSetting("Vide", Value::Empty());
  WriteSetting("Reel", Value::Real(2.5));
  EXPECT_EQ(ReadSetting("Lancements"), "42");
  EXPECT_EQ(ReadSetting("Vide"), "");
  EXPECT_EQ(ReadSetting("Reel"), "2.5");
}

TEST_F(SettingsStore, ReadsExpandableTextUnexpandedAndCutsAtTheFirstZero) {
  const wchar_t expand[] = L"%SystemRoot%\\Fonts";
  ASSERT_TRUE(SetRawValue(HKEY_CURRENT_USER, kKey, L"Chemin", REG_EXPAND_SZ, expand, sizeof expand));
  EXPECT_EQ(ReadSetting("Chemin"), "%SystemRoot%\\Fonts");

  const wchar_t withZero[] = L"avant\0apr\u00E8s";
  ASSERT_TRUE(SetRawValue(HKEY_CURRENT_USER, kKey, L"Zero", REG_SZ, withZero, sizeof withZero));
  EXPECT_EQ(ReadSetting("Zero"), "avant");

  // Text stored without its terminating zero is still read whole.
  const wchar_t bare[] = {L'a', L'b', L'c'};
  ASSERT_TRUE(SetRawValue(HKEY_CURRENT_USER, kKey, L"Bare", REG_SZ, bare, sizeof bare));
  EXPECT_EQ(ReadSetting("Bare"), "abc");
}

TEST_F(SettingsStore, ABackslashIsPartOfTheValueName) {
  WriteSetting("a\\b", "x");
  EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, kKey, L"a\\b"));
  EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\a"));
  EXPECT_EQ(ReadSetting("a\\b"), "x");
  EXPECT_EQ(ReadSetting("b"), "");
}

TEST_F(SettingsStore, NonTextValueUnderTheUserHiveReadsAsEmptyText) {
  const DWORD number = 7;
  ASSERT_TRUE(SetRawValue(HKEY_CURRENT_USER, kKey, L"Nombre", REG_DWORD, &number, sizeof number));
  EXPECT_EQ(ReadSetting("Nombre"), "");
}

TEST_F(SettingsStore, MachineHiveUsesThe32BitView) {
  WriteSettingEx(true, "FS", "9");
  EXPECT_EQ(ReadSettingEx(true, "FS"), "9");
  EXPECT_EQ(Raw(HKEY_LOCAL_MACHINE, L"FS"), std::wstring(L"9") + L'\0');
  EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kKey, L"FS"));
  // Seen from the 64-bit view, the 32-bit view's keys live under Wow6432Node.
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey64Mirror, 0, KEY_READ | KEY_WOW64_64KEY, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(SettingsStore, MachineReadFallsBackToTheUserHiveOnlyForANonTextValue) {
  const DWORD number = 1;
  ASSERT_TRUE(SetRawValue(HKEY_LOCAL_MACHINE, kKey, L"Lancements", REG_DWORD, &number, sizeof number));
  WriteSetting("Lancements", "5");
  EXPECT_EQ(ReadSettingEx(true, "Lancements"), "5");
  // A missing machine value is no error: no fallback.
  WriteSetting("Seulement", "utilisateur");
  EXPECT_EQ(ReadSettingEx(true, "Seulement"), "");
}

TEST_F(SettingsStore, RefusedMachineHiveWritesFallBackAndReadsGiveEmptyText) {
  WriteSetting("Langue", "E");
  {
    RefusingMachineHive refusing;
    ASSERT_TRUE(refusing.active());
    // The key cannot be created under the machine hive: the write lands under the user hive.
    WriteSettingEx(true, "FS", "X");
    // The key cannot be opened: empty, even though the user hive holds the value.
    EXPECT_EQ(ReadSettingEx(true, "Langue"), "");
    EXPECT_EQ(ReadRegText(true, "\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0", "EXE Path"), "");
  }
  EXPECT_EQ(ReadSetting("FS"), "X");
  EXPECT_EQ(Raw(HKEY_LOCAL_MACHINE, L"FS"), L"<missing>");
}

// Several values of one key read together, each as it would be alone: text of any length, a
// missing one, a number (under the machine hive taken from the user hive), empty text.
TEST_F(SettingsStore, ValuesReadTogetherReadAsEachAlone) {
  const std::string longText(700, 'x');
  for (bool machine : {false, true}) WriteRegText(machine, "\\Software\\Nuvra Soft\\PratiloSettingsTest", "Long", longText);
  const DWORD number = 3;
  ASSERT_TRUE(SetRawValue(HKEY_LOCAL_MACHINE, kKey, L"Nombre", REG_DWORD, &number, sizeof number));
  WriteSettingEx(true, "Vide", "");
  WriteSetting("Nombre", "trois");
  for (bool machine : {false, true}) {
    const auto texts =
        ReadRegTexts(machine, "Software\\Nuvra Soft\\PratiloSettingsTest", {"Long", "Absent", "Nombre", "Vide"});
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts, (std::vector<std::string>{longText, "", "trois", ""})) << machine;
  }
}

// The user's key stays open between reads: one deleted meanwhile, as another process's uninstallation
// does, must not swallow later writes or hide a key made again since.
TEST_F(SettingsStore, AKeyDeletedMeanwhileIsReadAndWrittenAfresh) {
  WriteSetting("Langue", "E");
  ASSERT_EQ(ReadSetting("Langue"), "E");
  DeleteRegTree(HKEY_CURRENT_USER, kKey);
  WriteSetting("Langue", "F");
  EXPECT_EQ(Raw(HKEY_CURRENT_USER, L"Langue"), L"F" + std::wstring(1, L'\0'));
  DeleteRegTree(HKEY_CURRENT_USER, kKey);
  EXPECT_EQ(ReadSetting("Langue"), "");
  EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, kKey));
  DeleteRegTree(HKEY_CURRENT_USER, kKey);
  SetRawValue(HKEY_CURRENT_USER, kKey, L"Langue", REG_SZ, L"E", 4);
  SetRawValue(HKEY_CURRENT_USER, kKey, L"FS", REG_SZ, L"9", 4);
  EXPECT_EQ(ReadRegTexts(false, SettingsKeyPath(), {"Langue", "FS"}), (std::vector<std::string>{"E", "9"}));
}

TEST_F(SettingsStore, AnyKeyPathWithOrWithoutLeadingBackslash) {
  WriteRegText(false, "\\Software\\Nuvra Soft\\PratiloSettingsTest\\Sous", "Nom", "valeur");
  EXPECT_EQ(ReadRegText(false, "Software\\Nuvra Soft\\PratiloSettingsTest\\Sous", "Nom"), "valeur");
  EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, std::wstring(kKey) + L"\\Sous"));
}

TEST_F(SettingsStore, PeekingReadsTheThirtyTwoBitViewAndNeverCreatesAKey) {
  // Missing key, on both hives: empty text and still no key.
  for (bool machine : {false, true}) {
    HKEY hive = machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    EXPECT_EQ(PeekRegText(machine, "\\Software\\Nuvra Soft\\PratiloSettingsTest\\Sous", "Nom"), "");
    EXPECT_FALSE(RegKeyExists(hive, std::wstring(kKey) + L"\\Sous"));
  }
  WriteRegText(true, "\\Software\\Nuvra Soft\\PratiloSettingsTest", "Chemin", "D:\\Jeux\\FSX é\\");
  EXPECT_EQ(PeekRegText(true, "Software\\Nuvra Soft\\PratiloSettingsTest", "Chemin"), "D:\\Jeux\\FSX é\\");
  EXPECT_EQ(PeekRegText(true, "\\Software\\Nuvra Soft\\PratiloSettingsTest", "Absent"), "");
  // A value that is no text gives empty text, with no fallback to the user hive.
  const DWORD number = 7;
  ASSERT_TRUE(SetRawValue(HKEY_LOCAL_MACHINE, kKey, L"Nombre", REG_DWORD, &number, sizeof number));
  WriteSetting("Nombre", "7");
  EXPECT_EQ(PeekRegText(true, "\\Software\\Nuvra Soft\\PratiloSettingsTest", "Nombre"), "");
}
