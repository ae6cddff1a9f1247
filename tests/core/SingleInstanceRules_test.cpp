#include <gtest/gtest.h>

#include "core/SingleInstanceRules.h"

using namespace core;

TEST(ForwardedText, EachParameterFollowedByABlankAndExeEmptiesWhatWasGathered) {
  struct Case {
    std::vector<std::string> parameters;
    const char* text;
  } cases[] = {
      {{}, ""},
      {{"a"}, "a "},
      {{"a", "b"}, "a b "},
      {{"", ""}, "  "},
      {{"C:\\Mes textures\\herbe.bmp", "/m"}, "C:\\Mes textures\\herbe.bmp /m "},
      {{"a", "x.exe"}, ""},
      {{"a", "B.EXE", "c"}, "c "},
      {{"a", "Setup.ExE.txt", "c", "d"}, "c d "},
      {{"prog.exe"}, ""},
      {{"exe", ".ex", "e"}, "exe .ex e "},   // ".EXE" is looked for in each parameter and across the blanks
      {{"a.", "EXE"}, "a. EXE "},
      {{"a", ".ex"}, "a .ex "},
      {{"été", "ÉTÉ.exe", "çà"}, "çà "},
      {{"1", "2.exe", "3", "4.EXE"}, ""},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& p : c.parameters) shown += "[" + p + "]";
    EXPECT_EQ(ForwardedText(c.parameters), c.text) << shown;
  }
}

TEST(MatchInstances, SameClassAndTextExactlyAndTheLastOtherWindowWins) {
  const TopWindow self{1, "TApplication", "Pratilo"};
  struct Case {
    const char* label;
    std::vector<TopWindow> windows;
    int matches;
    uintptr_t found;
  } cases[] = {
      {"alone", {{7, "Shell_TrayWnd", ""}, self, {8, "TfMain", "Pratilo"}}, 1, 0},
      {"one other", {self, {5, "TApplication", "Pratilo"}}, 2, 5},
      {"other before self", {{5, "TApplication", "Pratilo"}, self}, 2, 5},
      {"last other wins", {{5, "TApplication", "Pratilo"}, self, {6, "TApplication", "Pratilo"}}, 3, 6},
      {"different title", {self, {5, "TApplication", "Pratilo 2"}, {6, "TApplication", "Autre"}}, 1, 0},
      {"title case", {self, {5, "TApplication", "pratilo"}}, 1, 0},
      {"class case", {self, {5, "tapplication", "Pratilo"}}, 1, 0},
      {"different class", {self, {5, "TfMain", "Pratilo"}}, 1, 0},
      {"unreadable", {self, {5, "", "Pratilo"}, {6, "TApplication", ""}}, 1, 0},
      {"self not listed", {{5, "TApplication", "Pratilo"}}, 1, 5},
  };
  for (const auto& c : cases) {
    const InstanceSearch s = MatchInstances(c.windows, self);
    EXPECT_EQ(s.matches, c.matches) << c.label;
    EXPECT_EQ(s.found, c.found) << c.label;
  }
}

TEST(MatchInstances, AnUnreadableOwnWindowMatchesNothing) {
  const std::vector<TopWindow> windows{{1, "", ""}, {2, "", ""}};
  EXPECT_EQ(MatchInstances(windows, {1, "", ""}).matches, 0);
  EXPECT_EQ(MatchInstances(windows, {1, "", ""}).found, 0u);
  EXPECT_EQ(MatchInstances({{2, "C", ""}}, {1, "C", ""}).found, 0u);
}

TEST(InstanceMutexName, OneNamePerClassAndTitleInTheSessionNamespace) {
  const std::string base = InstanceMutexName("TApplication", "Pratilo");
  EXPECT_EQ(base, InstanceMutexName("TApplication", "Pratilo"));
  EXPECT_EQ(base.rfind("Local\\TApplication.", 0), 0u) << base;
  const std::pair<const char*, const char*> others[] = {
      {"TApplication", "Autre"}, {"TApplication", "pratilo"}, {"TApplicatio", "nPratilo"},
      {"TApplicationP", "ratilo"}, {"Other", "Pratilo"}, {"TApplication", ""}};
  for (const auto& [cls, title] : others) EXPECT_NE(InstanceMutexName(cls, title), base) << cls << "|" << title;

  const std::string longName = InstanceMutexName(std::string(255, 'c') + "\\x", std::string(255, 't'));
  EXPECT_LT(longName.size(), 260u);
  EXPECT_EQ(longName.find('\\', 6), std::string::npos) << longName;
}

TEST(WrongNameMessage, OnlyWhenANameIsExpectedAndDiffersInMoreThanCase) {
  struct Case {
    const char* expected;
    const char* program;
    bool wrong;
  } cases[] = {
      {"", "Pratilo", false},       {"", "", false},
      {"Pratilo", "Pratilo", false}, {"PRATILO", "pratilo", false},
      {"Été", "éTÉ", false},         {"Pratilo", "Pratilo2", true},
      {"Pratilo", "", true},         {"Pratilo", "Pratilo.exe", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WrongNameMessage(c.expected, c.program).has_value(), c.wrong) << c.expected << "|" << c.program;
  EXPECT_EQ(*WrongNameMessage("Pratilo", "Setup"),
            "Veuillez renommez ce programme \"Pratilo.exe\", il ne peut pas fonctionner sans cela !");
}
