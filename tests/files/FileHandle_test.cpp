#include "files/FileHandle.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/Utf8.h"
#include "support/HeldFile.h"
#include "support/TempFolder.h"

namespace {

using testing_support::Attributes;
using testing_support::FolderExists;
using testing_support::HeldFile;
using testing_support::PathExists;
using testing_support::ReadFileBytes;
using testing_support::SetAttributes;
using testing_support::TempFolder;
using testing_support::WriteFileBytes;

TEST(IsTempNameFor, KnowsExactlyTheTargetsOwnTemporaryNames) {
  struct Case {
    const wchar_t* target;
    const wchar_t* name;
    bool expected;
  };
  const Case cases[] = {
      {L"backup.zip", L"backup.zip.~0000abcd.tmp", true},
      {L"backup.zip", L"BACKUP.ZIP.~0000ABCD.TMP", true},
      {L"detail1.bmp", L"detail1.bmp.~deadbeef.tmp", true},
      {L"backup.zip", L"backup.zip.~000abcd.tmp", false},   // seven digits
      {L"backup.zip", L"backup.zip.~0000abcdd.tmp", false}, // nine
      {L"backup.zip", L"backup.zip.~0000abcg.tmp", false},  // not hex
      {L"backup.zip", L"other.zip.~0000abcd.tmp", false},
      {L"backup.zip", L"xbackup.zip.~0000abc.tmp", false},
      {L"backup.zip", L"backup.zip.~0000abcd.tmp.bak", false},
      {L"backup.zip", L"backup.zip", false},
      {L"", L".~0000abcd.tmp", false},
  };
  for (const Case& c : cases) EXPECT_EQ(files::IsTempNameFor(c.target, c.name), c.expected) << core::Narrow(c.name);
}

TEST(CreateTempBeside, RemovesWhatAKilledRunLeftButNothingInUseOrElse) {
  TempFolder dir;
  std::string target = dir / "backup.zip";
  for (const char* name : {"backup.zip.~0000abcd.tmp", "backup.zip.~0000abce.tmp", "backup.zip.~zz.tmp",
                           "other.zip.~0000abcd.tmp", "backup.zip"})
    ASSERT_TRUE(WriteFileBytes(dir / name, "x"));
  // A run still writing its temporary file holds it without sharing.
  HANDLE busy = CreateFileW(core::Widen(dir / "backup.zip.~0000abce.tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(busy, INVALID_HANDLE_VALUE);

  std::wstring created;
  files::FileHandle h = files::CreateTempBeside(core::Widen(target), created);
  ASSERT_TRUE(h.Valid());
  EXPECT_TRUE(files::IsTempNameFor(L"backup.zip", created.substr(created.find_last_of(L'\\') + 1)));
  EXPECT_FALSE(PathExists(dir / "backup.zip.~0000abcd.tmp"));
  EXPECT_TRUE(PathExists(dir / "backup.zip.~0000abce.tmp"));
  EXPECT_TRUE(PathExists(dir / "backup.zip.~zz.tmp"));
  EXPECT_TRUE(PathExists(dir / "other.zip.~0000abcd.tmp"));
  EXPECT_TRUE(PathExists(target));
  CloseHandle(busy);
  h.Close();
  DeleteFileW(created.c_str());
}

// The temporary is renamed over its target only where nothing stands in the way; otherwise both stay
// exactly as they were, so that the caller can remove the temporary and keep the old file.
TEST(RenameOver, ReplacesWhatMayBeReplacedAndOtherwiseChangesNothing) {
  enum class Target { Missing, Plain, ReadOnly, Folder, HeldElsewhere };
  struct Case {
    const char* what;
    Target target;
    bool renamed;
  };
  const Case cases[] = {
      {"no file of that name", Target::Missing, true},
      {"a plain file", Target::Plain, true},
      {"a read-only file", Target::ReadOnly, false},
      {"a folder", Target::Folder, false},
      {"a file another program holds", Target::HeldElsewhere, false},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    const std::string target = dir / "detail1.bmp";
    if (c.target == Target::Folder) {
      ASSERT_TRUE(CreateDirectoryW(core::Widen(target).c_str(), nullptr));
    } else if (c.target != Target::Missing) {
      ASSERT_TRUE(WriteFileBytes(target, "old"));
    }
    if (c.target == Target::ReadOnly) SetAttributes(target, FILE_ATTRIBUTE_READONLY);
    const DWORD attributesBefore = Attributes(target);
    std::unique_ptr<HeldFile> holder;
    if (c.target == Target::HeldElsewhere) {
      holder = std::make_unique<HeldFile>(target);
      ASSERT_TRUE(holder->held());
    }

    std::wstring temp;
    files::FileHandle h = files::CreateTempBeside(core::Widen(target), temp);
    ASSERT_TRUE(h.Valid()) << c.what;
    ASSERT_TRUE(h.WriteAll("new", 3));
    EXPECT_EQ(files::RenameOver(h, core::Widen(target)), c.renamed) << c.what;
    h.Close();
    if (holder) holder->Release();

    const std::string tempName = core::Narrow(temp);
    if (c.renamed) {
      EXPECT_EQ(ReadFileBytes(target), "new") << c.what;
      EXPECT_FALSE(PathExists(tempName)) << c.what;
    } else {
      EXPECT_EQ(ReadFileBytes(tempName), "new") << c.what;
      EXPECT_EQ(Attributes(target), attributesBefore) << c.what;
      if (c.target == Target::Folder) {
        EXPECT_TRUE(FolderExists(target)) << c.what;
      } else {
        EXPECT_EQ(ReadFileBytes(target), "old") << c.what;
      }
    }
  }
}

}  // namespace
