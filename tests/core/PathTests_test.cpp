#include "core/PathTests.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "core/Utf8.h"
#include "support/TempFolder.h"

namespace {

TEST(PathTests, FilesAndFoldersEachOnlyTheirOwnKind) {
  testing_support::TempFolder temp;
  testing_support::WriteFileBytes(temp / "FS9.exe", "x");
  testing_support::WriteFileBytes(temp / "Dossier é.txt", "");
  CreateDirectoryW(core::Widen(temp.path() + "sub").c_str(), nullptr);
  EXPECT_TRUE(core::FileExists(temp.path() + "FS9.exe"));
  EXPECT_TRUE(core::FileExists(temp.path() + "fs9.EXE"));  // the file system ignores case
  EXPECT_TRUE(core::FileExists(temp.path() + "Dossier é.txt"));
  EXPECT_FALSE(core::FileExists(temp.path() + "FSX.exe"));
  EXPECT_FALSE(core::FileExists(temp.path() + "sub"));
  EXPECT_FALSE(core::FileExists(temp.path()));
  EXPECT_FALSE(core::FileExists(""));
  EXPECT_FALSE(core::FileExists("\\FS9.exe"));
  EXPECT_TRUE(core::FolderExists(temp.path() + "sub"));
  EXPECT_TRUE(core::FolderExists(temp.path()));
  EXPECT_FALSE(core::FolderExists(temp.path() + "FS9.exe"));
  EXPECT_FALSE(core::FolderExists(temp.path() + "missing"));
}

}  // namespace
