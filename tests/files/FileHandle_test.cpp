#include "files/FileHandle.h"

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "support/TempFolder.h"

namespace {

using testing_support::PathExists;
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

}  // namespace
