// The program environment's pure rules: program path, switches and version text.
#include "core/EnvironmentRules.h"

#include <gtest/gtest.h>

#include <string>

using namespace core;

TEST(ProgramPath, SplitsFolderAndNameLessItsLastFourCharacters) {
  struct Case {
    const char* path;
    const char* dir;
    const char* name;
  } cases[] = {
      {"C:\\Jeux\\Pratilo\\Pratilo.exe", "C:\\Jeux\\Pratilo\\", "Pratilo"},
      {"Pratilo.exe", "\\", "Pratilo"},
      {"C:\\x\\a.b", "C:\\x\\", ""},
      {"C:\\x\\Setup.e", "C:\\x\\", "Set"},
      {"C:\\x\\Vol.été", "C:\\x\\", "Vol"},
      {"\\\\serveur\\partage\\Pratilo.EXE", "\\\\serveur\\partage\\", "Pratilo"},
      {"C:\\Vol été\\Prátilo.exe", "C:\\Vol été\\", "Prátilo"},
  };
  for (const auto& c : cases) {
    const auto parts = SplitProgramPath(c.path);
    EXPECT_EQ(parts.dir, c.dir) << c.path;
    EXPECT_EQ(parts.name, c.name) << c.path;
  }
}

TEST(ProgramSwitches, MatchWithoutRegardToCaseAndOnlyWhole) {
  EXPECT_EQ(ParseSwitches({"/LOG"}), (Switches{true, false, false}));
  EXPECT_EQ(ParseSwitches({"/Log"}), (Switches{true, false, false}));
  EXPECT_EQ(ParseSwitches({"x", "/log"}), (Switches{true, false, false}));
  EXPECT_EQ(ParseSwitches({"/logx", "-log", "log"}), Switches{});
  EXPECT_EQ(ParseSwitches({"/M", "/Local"}), (Switches{false, true, true}));
  EXPECT_EQ(ParseSwitches({}), Switches{});
}

TEST(VersionTextRules, NumbersCountAndBeta) {
  auto plain = [](double n) { return std::to_string(static_cast<long long>(n)); };
  EXPECT_EQ(BuildVersionText("Pratilo", {1, 0, 0, 0}, 2, plain), "(Pratilo v1.0)");
  EXPECT_EQ(BuildVersionText("Pratilo", {1, 0, 0, 0}, 4, plain), "(Pratilo v1.0.0.0)");
  EXPECT_EQ(BuildVersionText("Pratilo", {2, 3, 99, 7}, 2, plain), "(Pratilo v2.3 BETA)");
  EXPECT_EQ(BuildVersionText("Pratilo", {2, 3, 99, 7}, 4, plain), "(Pratilo v2.3.99.7 BETA)");
  EXPECT_EQ(BuildVersionText("Pratilo", {1, 2, 3, 4}, 0, plain), "(Pratilo v1)");
  EXPECT_EQ(BuildVersionText("Pratilo", {1, 2, 3, 4}, 7, plain), "(Pratilo v1.2.3.4)");
  auto grouped = [](double n) { return n >= 1000 ? std::string("1,234") : std::to_string(static_cast<int>(n)); };
  EXPECT_EQ(BuildVersionText("P", {1, 0, 0, 1234}, 4, grouped), "(P v1.0.0.1,234)");
}
