// The check before a backup is deleted: the file must have the entry's size and CRC-32.
#include "files/EntryCheck.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "support/ZipFixtures.h"

using namespace testing_support;

TEST(EntryCheck, FileAgainstEntry) {
  TempFolder dir;
  // Over one read buffer, so the CRC-32 runs over several reads.
  const Bytes original = NoiseBytes((1 << 20) + 5, 11);
  MakeArchive(dir / "backup.zip", {{"detail1.bmp", original}, {"sub/other.bmp", "other"}, {"empty.bmp", ""}});
  Bytes lastByteChanged = original;
  lastByteChanged.back() ^= 1;
  Bytes firstByteChanged = original;
  firstByteChanged.front() ^= 0x80;
  struct Case {
    const char* what;
    const char* entry;
    std::optional<Bytes> file;  // none: no file
    bool matches;
  };
  const Case cases[] = {
      {"same bytes", "detail1.bmp", original, true},
      {"name in other letter case", "DETAIL1.BMP", original, true},
      {"last byte differs", "detail1.bmp", lastByteChanged, false},
      {"first byte differs", "detail1.bmp", firstByteChanged, false},
      {"one byte short", "detail1.bmp", original.substr(0, original.size() - 1), false},
      {"one byte more", "detail1.bmp", original + "x", false},
      {"empty file", "detail1.bmp", Bytes(), false},
      {"no file", "detail1.bmp", std::nullopt, false},
      {"no such entry", "detail2.bmp", original, false},
      {"entry only inside a folder", "other.bmp", Bytes("other"), false},
      {"entry inside a folder, named with its folder", "sub\\other.bmp", Bytes("other"), true},
      {"empty entry and empty file", "empty.bmp", Bytes(), true},
  };
  for (const auto& c : cases) {
    RemoveTree(dir / "tex");
    if (c.file) WriteFileBytes(dir / "tex\\detail1.bmp", *c.file);
    EXPECT_EQ(files::FileMatchesEntry(dir / "backup.zip", c.entry, dir / "tex\\detail1.bmp"), c.matches) << c.what;
  }
}

TEST(EntryCheck, SizeAndCrcComeFromTheArchivesDirectory) {
  TempFolder dir;
  Bytes first = "the original texture", second = "an installed texture";
  ASSERT_EQ(first.size(), second.size());
  // The same name twice: extraction leaves the last one on disk, so that is the one to match.
  WriteFileBytes(dir / "twice.zip", BuildZip({{"detail1.bmp", first}, {"detail1.bmp", second}}));
  WriteFileBytes(dir / "f.bmp", second);
  EXPECT_TRUE(files::FileMatchesEntry(dir / "twice.zip", "detail1.bmp", dir / "f.bmp"));
  WriteFileBytes(dir / "f.bmp", first);
  EXPECT_FALSE(files::FileMatchesEntry(dir / "twice.zip", "detail1.bmp", dir / "f.bmp"));
  // A directory that records another CRC-32 than the data's: the directory decides.
  WriteFileBytes(dir / "wrong.zip", BuildZip({{"detail1.bmp", first, 0, 0, Crc(first) ^ 1}}));
  EXPECT_FALSE(files::FileMatchesEntry(dir / "wrong.zip", "detail1.bmp", dir / "f.bmp"));
  // A folder entry has size 0 and CRC-32 0, like an empty file, but is no file.
  WriteFileBytes(dir / "folder.zip", BuildZip({{"detail1.bmp/", "", 0, 0, {}, {}, FILE_ATTRIBUTE_DIRECTORY}}));
  WriteFileBytes(dir / "f.bmp", "");
  EXPECT_FALSE(files::FileMatchesEntry(dir / "folder.zip", "detail1.bmp/", dir / "f.bmp"));
}

TEST(EntryCheck, AnArchiveThatCannotBeReadConfirmsNothing) {
  TempFolder dir;
  const Bytes data = TextBytes(3000);
  WriteFileBytes(dir / "f.bmp", data);
  const Bytes good = BuildZip({{"detail1.bmp", data}});
  ASSERT_TRUE(files::FileMatchesEntry((WriteFileBytes(dir / "good.zip", good), dir / "good.zip"), "detail1.bmp",
                                      dir / "f.bmp"));
  struct Case {
    const char* what;
    Bytes archive;
  };
  const Case cases[] = {
      {"end record cut off", good.substr(0, good.size() - 1)},
      {"not an archive", "just some text that is long enough to hold an end record, but has none"},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    WriteFileBytes(dir / "bad.zip", c.archive);
    EXPECT_FALSE(files::FileMatchesEntry(dir / "bad.zip", "detail1.bmp", dir / "f.bmp")) << c.what;
    EXPECT_EQ(ReadFileBytes(dir / "bad.zip"), c.archive) << c.what;
  }
  EXPECT_FALSE(files::FileMatchesEntry(dir / "missing.zip", "detail1.bmp", dir / "f.bmp"));
  EXPECT_FALSE(PathExists(dir / "missing.zip"));
}
