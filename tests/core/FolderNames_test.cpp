#include <gtest/gtest.h>

#include <windows.h>

#include "core/FolderNames.h"
#include "core/Utf8.h"
#include "support/TempFolder.h"

using namespace core;

using testing_support::FolderExists;
using testing_support::TempFolder;

TEST(FolderNames, AddAndRemoveBackslash) {
  EXPECT_EQ(AddBackslash("C:\\FS9"), "C:\\FS9\\");
  EXPECT_EQ(AddBackslash("C:\\FS9\\"), "C:\\FS9\\");
  EXPECT_EQ(AddBackslash(""), "\\");
  EXPECT_EQ(AddBackslash("C:/FS9/"), "C:/FS9/\\");
  EXPECT_EQ(RemoveBackslash("C:\\FS9\\\\"), "C:\\FS9\\");
  EXPECT_EQ(RemoveBackslash("C:\\FS9"), "C:\\FS9");
  EXPECT_EQ(RemoveBackslash(""), "");
  EXPECT_EQ(RemoveBackslash("\\"), "");
}

TEST(FolderNames, ForceFolderCreatesEveryMissingLevel) {
  TempFolder temp("folders");
  const std::string root = temp.path() + "new";
  const std::string deep = root + "\\Flight Simulator 9\\Scenery\\Wörld\\Texture";
  EXPECT_TRUE(ForceFolder("  " + deep + "\\ \t"));
  EXPECT_TRUE(FolderExists(deep));
  // Existing folders, with or without the trailing backslash, are fine and stay as they are.
  EXPECT_TRUE(ForceFolder(deep));
  EXPECT_TRUE(ForceFolder(deep + "\\"));
  EXPECT_TRUE(ForceFolder("C:\\"));
}

TEST(FolderNames, ForceFolderReportsFailureByItsResult) {
  EXPECT_FALSE(ForceFolder(""));
  EXPECT_FALSE(ForceFolder("   \t "));
  EXPECT_FALSE(ForceFolder("\\"));
  TempFolder temp("folders");
  const std::string file = temp / "plain.txt";
  ASSERT_TRUE(testing_support::WriteFileBytes(file, "x"));
  EXPECT_FALSE(ForceFolder(file + "\\below"));  // a file stands where a folder is needed
  EXPECT_FALSE(ForceFolder(file));
}
