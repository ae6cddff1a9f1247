#include "files/FileOps.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "support/HeldFile.h"
#include "support/ZipFixtures.h"

using namespace testing_support;

namespace {
constexpr uint32_t RO = FILE_ATTRIBUTE_READONLY, HID = FILE_ATTRIBUTE_HIDDEN, SYS = FILE_ATTRIBUTE_SYSTEM,
                   ARC = FILE_ATTRIBUTE_ARCHIVE;
}

TEST(FileOps, ClearReadOnlyKeepsOtherBitsAndGivesTheOldOnes) {
  TempFolder dir;
  WriteFileBytes(dir / "a.zip", "x");
  SetAttributes(dir / "a.zip", RO | HID | SYS | ARC);
  EXPECT_EQ(files::ClearReadOnly(dir / "a.zip"), RO | HID | SYS | ARC);
  EXPECT_EQ(Attributes(dir / "a.zip"), ARC);
  SetAttributes(dir / "a.zip", RO | SYS | ARC);
  EXPECT_EQ(files::ClearReadOnly(dir / "a.zip"), RO | SYS | ARC);
  EXPECT_EQ(Attributes(dir / "a.zip"), ARC);
  EXPECT_EQ(files::ClearReadOnly(dir / "missing.zip"), 0u);
  CreateDirectoryW(core::Widen(dir / "folder").c_str(), nullptr);
  SetAttributes(dir / "folder", FILE_ATTRIBUTE_DIRECTORY | HID);
  EXPECT_EQ(files::ClearReadOnly(dir / "folder"), 0u);  // folders do not count
  EXPECT_EQ(Attributes(dir / "folder"), FILE_ATTRIBUTE_DIRECTORY | HID);
}

TEST(FileOps, RemoveFileDeletesReadOnlyFilesButNotFolders) {
  TempFolder dir;
  WriteFileBytes(dir / "a.zip", "x");
  SetAttributes(dir / "a.zip", RO | HID);
  EXPECT_TRUE(files::RemoveFile(dir / "a.zip"));
  EXPECT_FALSE(PathExists(dir / "a.zip"));
  EXPECT_FALSE(files::RemoveFile(dir / "a.zip"));
  CreateDirectoryW(core::Widen(dir / "folder").c_str(), nullptr);
  EXPECT_FALSE(files::RemoveFile(dir / "folder"));
  EXPECT_TRUE(PathExists(dir / "folder"));
}

TEST(FileOps, RemoveFileRetriesOnceAfterPendingMessages) {
  TempFolder dir;
  WriteFileBytes(dir / "held.bmp", "x");
  // Held open by "another part of the program", released by a message handled during the retry.
  HANDLE held = CreateFileW(core::Widen(dir / "held.bmp").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_FALSE(DeleteFileW(core::Widen(dir / "held.bmp").c_str())) << "the first delete must fail for this test";
  static HANDLE toClose;
  toClose = held;
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
  auto closer = [](HWND, UINT, UINT_PTR, DWORD) { CloseHandle(toClose); };
  SetTimer(window, 1, 0, closer);
  Sleep(20);
  EXPECT_TRUE(files::RemoveFile(dir / "held.bmp"));
  EXPECT_FALSE(PathExists(dir / "held.bmp"));
  KillTimer(window, 1);
  DestroyWindow(window);
}

TEST(FileOps, ShellRenameReplacesAReadOnlyTargetWithTheSourcesAttributes) {
  TempFolder dir;
  WriteFileBytes(dir / "T2_512.bmp", "new texture");
  SetAttributes(dir / "T2_512.bmp", HID | ARC);
  WriteFileBytes(dir / "detail1.bmp", "old texture");
  SetAttributes(dir / "detail1.bmp", RO);
  EXPECT_TRUE(files::ShellRename(dir / "T2_512.bmp", dir / "detail1.bmp"));
  EXPECT_EQ(ReadFileBytes(dir / "detail1.bmp"), "new texture");
  EXPECT_EQ(Attributes(dir / "detail1.bmp"), HID | ARC);
  EXPECT_FALSE(PathExists(dir / "T2_512.bmp"));
}

TEST(FileOps, ShellRenameWithoutTargetAndWithTrailingBackslashes) {
  TempFolder dir;
  WriteFileBytes(dir / "a.bmp", "a");
  SetAttributes(dir / "a.bmp", RO | ARC);
  EXPECT_TRUE(files::ShellRename(dir / "a.bmp\\", dir / "b.bmp\\"));
  EXPECT_EQ(ReadFileBytes(dir / "b.bmp"), "a");
  EXPECT_EQ(Attributes(dir / "b.bmp"), RO | ARC);
  // A folder as source: no attributes remembered, none set afterwards.
  CreateDirectoryW(core::Widen(dir / "folder").c_str(), nullptr);
  SetAttributes(dir / "folder", FILE_ATTRIBUTE_DIRECTORY | HID);
  EXPECT_TRUE(files::ShellRename(dir / "folder", dir / "renamed"));
  EXPECT_EQ(Attributes(dir / "renamed"), static_cast<uint32_t>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(FileOps, FailedRenameLeavesTheOldTargetInPlace) {
  TempFolder dir;
  WriteFileBytes(dir / "T1_1024.bmp", "new");
  SetAttributes(dir / "T1_1024.bmp", RO | ARC);
  EXPECT_FALSE(files::ShellRename(dir / "missing.bmp", dir / "T1_1024.bmp"));
  EXPECT_EQ(ReadFileBytes(dir / "T1_1024.bmp"), "new");

  WriteFileBytes(dir / "detail1.bmp", "simulator's texture");
  SetAttributes(dir / "detail1.bmp", RO | ARC);
  // The simulator holds its texture open without letting it be deleted: the rename must fail.
  HANDLE sim = CreateFileW(core::Widen(dir / "detail1.bmp").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(sim, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files::ShellRename(dir / "T1_1024.bmp", dir / "detail1.bmp"));
  CloseHandle(sim);
  EXPECT_EQ(ReadFileBytes(dir / "detail1.bmp"), "simulator's texture");
  EXPECT_EQ(Attributes(dir / "detail1.bmp"), RO | ARC);
  EXPECT_EQ(ReadFileBytes(dir / "T1_1024.bmp"), "new");
  EXPECT_EQ(Attributes(dir / "T1_1024.bmp"), RO | ARC);
}

TEST(FileOps, ShellRenameOntoAFolderDoesNotRemoveIt) {
  TempFolder dir;
  WriteFileBytes(dir / "a.bmp", "a");
  WriteFileBytes(dir / "target\\inside.txt", "kept");
  files::ShellRename(dir / "a.bmp", dir / "target");
  EXPECT_EQ(ReadFileBytes(dir / "target\\inside.txt"), "kept");
}

TEST(FileOps, CanReplaceFileIsFalseOnlyWhileAnotherHandleConflicts) {
  TempFolder dir;
  const std::string file = dir / "detail1.bmp";
  WriteFileBytes(file, "texture");
  struct Case {
    const char* label;
    DWORD access;
    DWORD share;
    bool expected;
  };
  const Case cases[] = {
      {"read, others may read (a running simulator)", GENERIC_READ, FILE_SHARE_READ, false},
      {"read, others may do anything", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, false},
      {"write, others may read", GENERIC_WRITE, FILE_SHARE_READ, false},
      {"attributes only (no data access)", FILE_READ_ATTRIBUTES, FILE_SHARE_READ, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    HANDLE held = CreateFileW(core::Widen(file).c_str(), c.access, c.share, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files::CanReplaceFile(file), c.expected);
    CloseHandle(held);
    EXPECT_TRUE(files::CanReplaceFile(file));  // free again once closed
  }
  EXPECT_EQ(ReadFileBytes(file), "texture");  // the check itself changes nothing
}

TEST(FileOps, CanReplaceFileLeavesOtherObstaclesToTheOperation) {
  TempFolder dir;
  EXPECT_TRUE(files::CanReplaceFile(dir / "missing.bmp"));
  EXPECT_TRUE(files::CanReplaceFile(dir / "no folder\\missing.bmp"));
  // A read-only texture cannot be opened for writing, but the rename clears the attribute first.
  WriteFileBytes(dir / "ro.bmp", "x");
  SetAttributes(dir / "ro.bmp", RO | ARC);
  EXPECT_TRUE(files::CanReplaceFile(dir / "ro.bmp"));
  EXPECT_EQ(Attributes(dir / "ro.bmp"), RO | ARC);
  CreateDirectoryW(core::Widen(dir / "folder.bmp").c_str(), nullptr);
  EXPECT_TRUE(files::CanReplaceFile(dir / "folder.bmp"));
}

TEST(FileOps, CanReplaceFileSeesAFileHeldByAnotherProcess) {
  TempFolder dir;
  const std::string file = dir / "detail1.bmp";
  WriteFileBytes(file, "texture");
  HeldFile held(file);
  ASSERT_TRUE(held.held());
  EXPECT_FALSE(files::CanReplaceFile(file));
  // What the check stands for: neither the rename over the file nor its deletion would work now.
  WriteFileBytes(dir / "T1_1024.bmp", "new");
  EXPECT_FALSE(files::ShellRename(dir / "T1_1024.bmp", file));
  EXPECT_FALSE(DeleteFileW(core::Widen(file).c_str()));
  held.Release();
  EXPECT_TRUE(files::CanReplaceFile(file));
  EXPECT_EQ(ReadFileBytes(file), "texture");
}
