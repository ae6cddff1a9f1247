#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

#include "core/Environment.h"
#include "core/EnvironmentRules.h"
#include "core/NumberFormat.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/DialogAnswerer.h"
#include "support/RegistryFixture.h"
#include "support/TempFolder.h"

using namespace core;
using namespace testing_support;

TEST(FileVersionResource, ReadsTheFixedFileVersion) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::string folder = SplitProgramPath(Narrow(self)).dir;  // the program is built beside the tests
  EXPECT_EQ(GetFileVersion(folder + "Pratilo.exe"), (FileVersion{1, 0, 0, 0}));
  EXPECT_EQ(GetFileVersion("Z:\\no\\such\\file.exe"), FileVersion{});
}

TEST(EnvText, MissingGivesEmptyAndLongValuesComeWhole) {
  EXPECT_EQ(GetEnvText("PRATILO_NO_SUCH_VARIABLE"), "");
  const std::string longValue(1000, 'v');
  SetEnvironmentVariableW(L"PRATILO_LONG", Widen(longValue).c_str());
  EXPECT_EQ(GetEnvText("PRATILO_LONG"), longValue);
  SetEnvironmentVariableW(L"PRATILO_LONG", Widen(std::string(259, 'w')).c_str());
  EXPECT_EQ(GetEnvText("PRATILO_LONG"), std::string(259, 'w'));
  SetEnvironmentVariableW(L"PRATILO_LONG", L"été");
  EXPECT_EQ(GetEnvText("PRATILO_LONG"), "été");
  EXPECT_FALSE(GetEnvText("systemroot").empty());
}

namespace {

const wchar_t kKey[] = L"Software\\Nuvra Soft\\core";

class EnvironmentLifecycle : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override {
    DoneEnvironment();
    Clean();
  }
  static void Clean() {
    DeleteRegTree(HKEY_CURRENT_USER, kKey);
    DeleteRegTree(HKEY_LOCAL_MACHINE, kKey);
  }
  static std::string Count(bool machine) {
    DWORD type = 0;
    std::wstring data;
    if (!GetRawValue(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, kKey, L"Lancements", type, data))
      return "<missing>";
    return Narrow(data.c_str());
  }
  static void Launch() {
    DoneEnvironment();
    InitEnvironment();
  }
};

}  // namespace

TEST_F(EnvironmentLifecycle, InitSetsTheProgramIdentityAndFixedValues) {
  InitEnvironment();
  const Environment& env = Env();
  EXPECT_EQ(env.ProgramName, "core");
  ASSERT_FALSE(env.ProgramDir.empty());
  EXPECT_EQ(env.ProgramDir.back(), '\\');
  EXPECT_EQ(env.HtmlStyle.size(), 259u);
  EXPECT_EQ(env.HtmlStyle.substr(0, 23), "<STYLE type=\"text/css\">");
  EXPECT_DOUBLE_EQ(env.BaseDate, 2.0);
  for (const std::string* folder : {&env.DesktopDir, &env.PersonalDir, &env.AppDataDir, &env.CommonAppDataDir,
                                    &env.LocalAppDataDir, &env.SystemRootDir}) {
    ASSERT_FALSE(folder->empty());
    EXPECT_EQ(folder->back(), '\\');
  }
  EXPECT_NE(env.SystemRootDir, "\\");
  const auto seps = UserNumberSeparators();
  EXPECT_EQ(env.DecimalSep, seps.decimal);
  EXPECT_EQ(env.ThousandSep, seps.thousands.empty() ? "0" : seps.thousands);
  EXPECT_FALSE(env.LogFlag);
  EXPECT_EQ(VersionText(4), "(core v0.0.0.0)");  // the test program has no version resource
}

TEST_F(EnvironmentLifecycle, ReadsTheUserIdentityFromTheCentralKey) {
  WriteRegText(false, "\\Software\\Nuvra Soft\\Central", "Nom utilisateur", "Zoé Martin");
  WriteRegText(false, "\\Software\\Nuvra Soft\\Central", "Initiales", "ZM");
  InitEnvironment();
  EXPECT_EQ(Env().UserName, "Zoé Martin");
  EXPECT_EQ(Env().UserInitials, "ZM");
  DeleteRegTree(HKEY_CURRENT_USER, L"Software\\Nuvra Soft\\Central");
}

TEST_F(EnvironmentLifecycle, CountsEveryLaunchInBothHives) {
  InitEnvironment();
  EXPECT_EQ(Count(true), "1");
  EXPECT_EQ(Count(false), "1");
  Launch();
  Launch();
  EXPECT_EQ(Count(true), "3");
  EXPECT_EQ(Count(false), "3");
}

TEST_F(EnvironmentLifecycle, RefusedMachineHiveLeavesTheUserCountAtTwo) {
  {
    RefusingMachineHive refusing;
    ASSERT_TRUE(refusing.active());
    InitEnvironment();
  }
  EXPECT_EQ(Count(true), "<missing>");
  EXPECT_EQ(Count(false), "2");
  {
    RefusingMachineHive refusing;
    ASSERT_TRUE(refusing.active());
    Launch();
    EXPECT_EQ(ReadSettingEx(true, "Lancements"), "");
  }
  // The machine pass writes its 1 over the user count, which the user pass then makes 2: every time.
  EXPECT_EQ(Count(true), "<missing>");
  EXPECT_EQ(Count(false), "2");
}

TEST_F(EnvironmentLifecycle, AThousandLaunchesFollowTheLocaleSeparator) {
  wchar_t original[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, original, 8);
  // Read back by the value rules: an apostrophe or a blank groups thousands, a comma or a period is a
  // decimal point (one thousand reads as 1), anything else is unreadable (the count restarts at 1).
  const struct {
    const wchar_t* separator;
    const char* stored;
    const char* next;
  } cases[] = {{L",", "1,000", "2"}, {L"'", "1'000", "1'001"}, {L" ", "1 000", "1 001"},
               {L".", "1.000", "2"}, {L"_", "1_000", "1"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, c.separator));
    Clean();
    WriteRegText(false, "\\Software\\Nuvra Soft\\core", "Lancements", "999");
    WriteRegText(true, "\\Software\\Nuvra Soft\\core", "Lancements", "999");
    Launch();
    EXPECT_EQ(Count(false), c.stored);
    EXPECT_EQ(Count(true), c.stored);
    EXPECT_EQ(Env().ThousandSep, Narrow(c.separator));
    Launch();
    EXPECT_EQ(Count(false), c.next);
  }
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, original);
}

TEST_F(EnvironmentLifecycle, ShutdownDeletesTempFilesClosesHeldFilesAndStaysQuietWhenNothingIsTracked) {
  InitEnvironment();
  TempFolder temp("env");
  const std::string listed = temp / "listed.tmp", unlisted = temp / "unlisted.tmp", held = temp / "held.txt";
  ASSERT_TRUE(WriteFileBytes(listed, "x"));
  ASSERT_TRUE(WriteFileBytes(unlisted, "x"));
  Env().TempFiles = {listed, temp / "missing.tmp"};
  EXPECT_FALSE(DeleteTempFile(unlisted));
  EXPECT_TRUE(FileExists(unlisted));

  std::FILE* file = _wfopen(Widen(held).c_str(), L"w");
  ASSERT_NE(file, nullptr);
  Env().LockedFiles.push_back({1, file});
  EXPECT_FALSE(DeleteFileW(Widen(held).c_str()));  // still held open

  DialogAnswerer noBox(L"core", IDOK);
  DoneEnvironment();
  EXPECT_TRUE(noBox.Finish().empty());
  EXPECT_FALSE(FileExists(listed));
  EXPECT_TRUE(Env().TempFiles.empty());
  EXPECT_TRUE(Env().LockedFiles.empty());
  EXPECT_TRUE(Env().ProgramName.empty());
  EXPECT_TRUE(DeleteFileW(Widen(held).c_str()));
}

TEST_F(EnvironmentLifecycle, ShutdownNamesTrackedObjectsThatWereNeverDestroyed) {
  InitEnvironment();
  Env().TrackedObjects = {"TFiche", "TListe"};
  DialogAnswerer answer(L"core", IDOK);  // the box's caption is the program's name
  DoneEnvironment();
  const auto seen = answer.Finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "TNuvraMat non détruits :\r\n\r\nTFiche\r\nTListe\r\n");
  EXPECT_TRUE(Env().TrackedObjects.empty());
}
