#include "app/Choices.h"

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "support/TempFolder.h"
#include "support/Gui.h"

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
  testing_support::TempFolder temp;
  testing_support::WriteFileBytes(temp / "FS9.exe", "x");
  testing_support::WriteFileBytes(temp / "Dossier é.txt", "");
  CreateDirectoryW(core::Widen(temp.path() + "sub").c_str(), nullptr);
  EXPECT_TRUE(app::FileExists(temp.path() + "FS9.exe"));
  EXPECT_TRUE(app::FileExists(temp.path() + "fs9.EXE"));  // the file system ignores case
  EXPECT_TRUE(app::FileExists(temp.path() + "Dossier é.txt"));
  EXPECT_FALSE(app::FileExists(temp.path() + "FSX.exe"));
  EXPECT_FALSE(app::FileExists(temp.path() + "sub"));
  EXPECT_FALSE(app::FileExists(temp.path()));
  EXPECT_FALSE(app::FileExists(""));
  EXPECT_FALSE(app::FileExists("\\FS9.exe"));
}

}  // namespace
