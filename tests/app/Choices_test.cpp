#include "app/Choices.h"

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "ui/support/Gui.h"

namespace {

TEST(ReadStoredChoice, TwoCharactersOrNothing) {
  struct Case {
    const char* text;
    app::StoredChoice expected;
  };
  const Case cases[] = {
      {"21", {2, 1}}, {"00", {0, 0}}, {"52", {5, 2}}, {"99", {9, 9}},  // beyond the lists: clamped by the groups
      {"3", {0, 0}},  {"", {0, 0}},   {"123", {0, 0}},
      {"x1", {0, 1}}, {"2-", {2, 0}}, {" 3", {0, 3}},
      {"é1", {0, 1}},   // one accented character and a digit are two characters
      {"1é2", {0, 0}},  // three characters
  };
  for (const Case& c : cases) EXPECT_EQ(app::ReadStoredChoice(c.text), c.expected) << c.text;
}

TEST(FileExists, FilesOnlyNotFolders) {
  testgui::TempFolder temp;
  temp.WriteFile("FS9.exe", "x");
  temp.WriteFile("Dossier é.txt", "");
  CreateDirectoryW(core::Widen(temp.Path() + "sub").c_str(), nullptr);
  EXPECT_TRUE(app::FileExists(temp.Path() + "FS9.exe"));
  EXPECT_TRUE(app::FileExists(temp.Path() + "fs9.EXE"));  // the file system ignores case
  EXPECT_TRUE(app::FileExists(temp.Path() + "Dossier é.txt"));
  EXPECT_FALSE(app::FileExists(temp.Path() + "FSX.exe"));
  EXPECT_FALSE(app::FileExists(temp.Path() + "sub"));
  EXPECT_FALSE(app::FileExists(temp.Path()));
  EXPECT_FALSE(app::FileExists(""));
  EXPECT_FALSE(app::FileExists("\\FS9.exe"));
}

}  // namespace
