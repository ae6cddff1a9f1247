// Extracting: what lands where, verified replacement of targets, refused names and methods, and
// faults in the middle that must leave existing targets as they were.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "support/ZipFixtures.h"

using namespace testing_support;
using files::TZAAction;
using files::TZAProcessOperation;
using files::TZAProgressPhase;

TEST(ZipExtract, PlainNameAlsoTakesEntriesInFoldersAndCreatesThem) {
  TempFolder dir;
  MakeArchive(dir / "t.zip", {{"detail1.bmp", "top"}, {"a/b/detail1.bmp", "deep"}, {"a/other.bmp", "other"}});
  EXPECT_TRUE(Extract(dir / "t.zip", dir / "out", "DETAIL1.BMP").empty());
  EXPECT_EQ(ListTree(dir / "out"), (std::vector<std::string>{"a/", "a/b/", "a/b/detail1.bmp", "detail1.bmp"}));
  EXPECT_EQ(ReadFileBytes(dir / "out\\a\\b\\detail1.bmp"), "deep");
  EXPECT_TRUE(Extract(dir / "t.zip", dir / "out2", "a\\other.bmp").empty());
  EXPECT_EQ(ListTree(dir / "out2"), (std::vector<std::string>{"a/", "a/other.bmp"}));
  EXPECT_TRUE(Extract(dir / "t.zip", dir / "out3", "nothing").empty());
  EXPECT_FALSE(PathExists(dir / "out3"));
}

TEST(ZipExtract, ReadOnlyTargetIsReplacedAndGetsTheEntrysAttributesAndTime) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\t.bmp", TextBytes(70000));
  SetAttributes(dir / "src\\t.bmp", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  SYSTEMTIME local = {2007, 12, 1, 24, 13, 25, 2, 0};  // a time DOS can hold exactly
  FILETIME localTime, old;
  SystemTimeToFileTime(&local, &localTime);
  LocalFileTimeToFileTime(&localTime, &old);
  {
    HANDLE h = CreateFileW(core::Widen(dir / "src\\t.bmp").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, nullptr, &old);
    CloseHandle(h);
  }
  QuietZip add(dir / "t.zip", dir / "src");
  add.zip.OpenZip();
  add.zip.AddMatching("t.bmp");
  add.zip.CloseZip();
  WriteFileBytes(dir / "out\\t.bmp", "old target");
  SetAttributes(dir / "out\\t.bmp", FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(Extract(dir / "t.zip", dir / "out", "t.bmp").empty());
  EXPECT_EQ(ReadFileBytes(dir / "out\\t.bmp"), TextBytes(70000));
  EXPECT_EQ(Attributes(dir / "out\\t.bmp"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  FILETIME got = WriteTime(dir / "out\\t.bmp");
  EXPECT_EQ(CompareFileTime(&got, &old), 0);
  EXPECT_EQ(ListTree(dir / "out"), std::vector<std::string>{"t.bmp"});
}

TEST(ZipExtract, CrcMismatchFailsWith8AndLeavesTheOldTargetAlone) {
  TempFolder dir;
  Bytes good = TextBytes(3000);
  Bytes zip = BuildZip({{"bad.txt", RawDeflate(good), 8, 0, Crc(good) ^ 1, good.size()},
                        {"stored.txt", "stored!", 0, 0, Crc("stored?")},
                        {"fine.txt", "fine"}});
  WriteFileBytes(dir / "t.zip", zip);
  WriteFileBytes(dir / "out\\bad.txt", "precious old file");
  auto failures = Extract(dir / "t.zip", dir / "out", "*");
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_EQ(failures[0].name, "bad.txt");
  EXPECT_EQ(failures[0].code, 8);
  EXPECT_EQ(failures[1].code, 8);
  EXPECT_EQ(ReadFileBytes(dir / "out\\bad.txt"), "precious old file");
  EXPECT_EQ(ListTree(dir / "out"), (std::vector<std::string>{"bad.txt", "fine.txt"}));

  // Keeping corrupted files is a choice the caller can make.
  QuietZip keep(dir / "t.zip", dir / "kept");
  keep.zip.ExtractCorruptedFiles = true;
  keep.zip.OpenZip();
  keep.zip.ExtractMatching("bad.txt");
  EXPECT_TRUE(keep.failures.empty());
  EXPECT_EQ(ReadFileBytes(dir / "kept\\bad.txt"), good);
}

TEST(ZipExtract, UnsupportedMethodsAndEncryptionAreRefused) {
  TempFolder dir;
  WriteFileBytes(dir / "t.zip", BuildZip({{"d64.bin", "xxxx", 9}, {"bz.bin", "xxxx", 12}, {"enc.bin", "xxxx", 0, 1}}));
  auto failures = Extract(dir / "t.zip", dir / "out", "*");
  ASSERT_EQ(failures.size(), 3u);
  EXPECT_EQ(failures[0].code, 55);
  EXPECT_EQ(failures[1].code, 8);
  EXPECT_EQ(failures[2].code, 8);
  EXPECT_FALSE(PathExists(dir / "out\\d64.bin"));
}

TEST(ZipExtract, EntriesThatWouldLeaveTheDestinationAreRefusedOneByOne) {
  TempFolder dir;
  std::string absolute = dir / "abs.txt";  // an absolute name, drive included
  std::replace(absolute.begin(), absolute.end(), '\\', '/');
  const char* names[] = {"../up.txt", "a/../../up2.txt", "/rooted.txt", "\\rooted2.txt", "C:up3.txt",
                         "a\\..\\..\\up4.txt", "con", "ok.txt"};
  std::vector<RawEntry> entries;
  for (auto n : names) entries.push_back({n, "evil"});
  entries.push_back({absolute, "evil"});
  entries.back().name = absolute;
  WriteFileBytes(dir / "dest\\t.zip", BuildZip(entries));
  auto failures = Extract(dir / "dest\\t.zip", dir / "dest\\out", "*");
  EXPECT_EQ(failures.size(), 8u);
  for (const auto& f : failures) EXPECT_EQ(f.code, 19) << f.name;
  EXPECT_EQ(ReadFileBytes(dir / "dest\\out\\ok.txt"), "evil");
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"dest/", "dest/out/", "dest/out/ok.txt", "dest/t.zip"}));
}

TEST(ZipExtract, DamagedDataOfTheArchiveEndsTheRequestUnasked) {
  // The middle entry is damaged; a question answered Ignore would go on to the last one.
  Bytes first = TextBytes(4000, 2), last = TextBytes(500, 3), bad = TextBytes(2000, 4);
  const Bytes good = BuildZip({{"first.txt", RawDeflate(first), 8, 0, Crc(first), first.size()},
                               {"bad.bin", RawDeflate(bad), 8, 0, Crc(bad), bad.size()},
                               {"last.txt", last}});
  const size_t cd = U32(good, good.size() - 6);
  const size_t badCentral = cd + 46 + U16(good, cd + 28);  // no extra fields or comments
  const size_t badLocal = U32(good, badCentral + 42);
  const size_t badData = badLocal + 30 + U16(good, badLocal + 26);
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
  };
  const Case cases[] = {
      // Block type 3 does not exist: inflate reports a data error.
      {"not a deflate stream", [&](Bytes& b) { b[badData] = '\xFF'; }},
      {"local header signature broken", [&](Bytes& b) { b[badLocal] = 'X'; }},
      {"local name length runs into the directory", [&](Bytes& b) { PutU16(b, badLocal + 26, 0xFFF0); }},
  };
  for (const auto& c : cases) {
    for (auto operation : {TZAProcessOperation::poExtract, TZAProcessOperation::poTest}) {
      TempFolder dir;
      Bytes damaged = good;
      c.damage(damaged);
      WriteFileBytes(dir / "t.zip", damaged);
      WriteFileBytes(dir / "out\\bad.bin", "precious old file");
      QuietZip q(dir / "t.zip", dir / "out");
      q.answer = TZAAction::fxaIgnore;
      q.zip.OpenZip();
      int code = 0;
      try {
        if (operation == TZAProcessOperation::poTest) q.zip.TestMatching("*");
        else q.zip.ExtractMatching("*");
      } catch (const files::EZAException& e) {
        code = e.code();
      }
      EXPECT_EQ(code, 35) << c.what;
      EXPECT_TRUE(q.failures.empty()) << c.what;
      EXPECT_NE(q.progress.back(), 100) << c.what;  // no end event
      EXPECT_EQ(ReadFileBytes(dir / "out\\bad.bin"), "precious old file") << c.what;
      auto expected = operation == TZAProcessOperation::poTest ? std::vector<std::string>{"bad.bin"}
                                                               : std::vector<std::string>{"bad.bin", "first.txt"};
      EXPECT_EQ(ListTree(dir / "out"), expected) << c.what;
    }
  }
}

TEST(ZipExtract, InflationStopsAtTheDeclaredSize) {
  TempFolder dir;
  Bytes big = Bytes(5 << 20, 'z');  // 5 MiB of one letter deflates to a few kilobytes
  WriteFileBytes(dir / "t.zip", BuildZip({{"bomb.bin", RawDeflate(big), 8, 0, Crc(big), 1000},
                                     {"short.bin", RawDeflate(big), 8, 0, Crc(big), (6u << 20)}}));
  auto failures = Extract(dir / "t.zip", dir / "out", "*");
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_EQ(failures[0].code, 8);
  EXPECT_EQ(failures[1].code, 8);
  EXPECT_FALSE(PathExists(dir / "out\\bomb.bin"));
  EXPECT_EQ(ListTree(dir / "out"), std::vector<std::string>{});
}

TEST(ZipExtract, ProgressAndCancel) {
  TempFolder dir;
  MakeArchive(dir / "t.zip", {{"a.bin", NoiseBytes(0x80000 * 2)}, {"b.bin", NoiseBytes(10)}});
  {
    QuietZip q(dir / "t.zip", dir / "out");
    std::vector<TZAProgressPhase> phases;
    q.zip.OnOverallProgress = [&](files::TZipBaseArchiver&, double p, TZAProcessOperation op, TZAProgressPhase phase,
                                  bool&) {
      EXPECT_EQ(op, TZAProcessOperation::poExtract);
      q.progress.push_back(p);
      phases.push_back(phase);
    };
    q.zip.OpenZip();
    q.zip.ExtractMatching("*");
    EXPECT_EQ(q.progress, (std::vector<double>{0, 25, 50, 100, 100}));
    EXPECT_EQ(phases.front(), TZAProgressPhase::ppStart);
    EXPECT_EQ(phases.back(), TZAProgressPhase::ppEnd);
  }
  WriteFileBytes(dir / "old\\a.bin", "old a");
  QuietZip q(dir / "t.zip", dir / "old");
  q.zip.OnOverallProgress = [&](files::TZipBaseArchiver&, double p, TZAProcessOperation, TZAProgressPhase, bool& cancel) {
    cancel = p > 0;
  };
  q.zip.OpenZip();
  q.zip.ExtractMatching("*");
  EXPECT_TRUE(q.failures.empty());
  EXPECT_EQ(ReadFileBytes(dir / "old\\a.bin"), "old a");
  EXPECT_EQ(ListTree(dir / "old"), std::vector<std::string>{"a.bin"});
}

TEST(ZipExtract, ArchivesWithCommentsAndUtf8FlaggedNamesAreRead) {
  TempFolder dir;
  RawEntry utf8{"caf\xC3\xA9/\xE2\x82\xAC.txt", "euro", 0, 0x800};
  RawEntry oem{"\x82t\x82.txt", "oem"};  // "été" in code page 437
  WriteFileBytes(dir / "t.zip", BuildZip({utf8, oem}, "archive comment PK\x05\x06 with a fake signature"));
  {
    QuietZip q(dir / "t.zip", dir / "out");
    q.zip.OpenZip();
    EXPECT_EQ(q.zip.Comment(), "archive comment PK\x05\x06 with a fake signature");
    ASSERT_EQ(q.zip.Items().size(), 2u);
    EXPECT_EQ(q.zip.Items()[0].name, "caf\xC3\xA9/\xE2\x82\xAC.txt");
    if (GetOEMCP() == 437) {
      EXPECT_EQ(q.zip.Items()[1].name, "\xC3\xA9t\xC3\xA9.txt");
    }
    q.zip.ExtractMatching("*");
    EXPECT_TRUE(q.failures.empty());
  }
  EXPECT_EQ(ReadFileBytes(dir / "out\\caf\xC3\xA9\\\xE2\x82\xAC.txt"), "euro");

  // The comment survives an update.
  WriteFileBytes(dir / "src\\new.txt", "n");
  QuietZip add(dir / "t.zip", dir / "src");
  add.zip.OpenZip();
  add.zip.AddMatching("*");
  EXPECT_EQ(add.zip.Comment(), "archive comment PK\x05\x06 with a fake signature");
  EXPECT_EQ(add.zip.Items().size(), 3u);
}

namespace {

// Tests every entry, going on past failures; gives them.
std::vector<FailureRecord> TestAll(const std::string& archive) {
  QuietZip q(archive, "");
  q.answer = TZAAction::fxaIgnore;
  q.zip.OpenZip();
  q.zip.TestMatching("*");
  return q.failures;
}

}  // namespace

// Many buffers each, the output buffer refilled after each write; a fault in the last byte shows only
// when everything has been checked.
TEST(ZipExtract, EntriesOfManyBuffersComeOutByteForByteAndAreCheckedToTheEnd) {
  TempFolder dir;
  const size_t size = 0x80000 * 5 + 123;
  const Bytes text = TextBytes(size), noise = NoiseBytes(size);
  Bytes lastByteWrong = text;
  lastByteWrong.back() ^= 1;
  const auto length = static_cast<uint32_t>(size);
  WriteFileBytes(dir / "t.zip", BuildZip({{"text.bin", RawDeflate(text), 8, 0, Crc(text), length},
                                          {"noise.bin", noise, 0},
                                          {"late.bin", RawDeflate(lastByteWrong), 8, 0, Crc(text), length}}));
  auto failures = Extract(dir / "t.zip", dir / "out", "*");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].name, "late.bin");
  EXPECT_EQ(failures[0].code, 8);
  EXPECT_EQ(ReadFileBytes(dir / "out\\text.bin"), text);
  EXPECT_EQ(ReadFileBytes(dir / "out\\noise.bin"), noise);
  EXPECT_EQ(ListTree(dir / "out"), (std::vector<std::string>{"noise.bin", "text.bin"}));
  failures = TestAll(dir / "t.zip");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].name, "late.bin");
}

TEST(ZipExtract, TestChecksEveryEntryAndWritesNothing) {
  TempFolder dir;
  Bytes data = TextBytes(1000);
  WriteFileBytes(dir / "t.zip", BuildZip({{"good.txt", RawDeflate(data), 8, 0, Crc(data), 1000},
                                     {"bad.txt", RawDeflate(data), 8, 0, Crc(data) + 1, 1000}}));
  const auto failures = TestAll(dir / "t.zip");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].name, "bad.txt");
  EXPECT_FALSE(PathExists(dir / "out"));
}

TEST(ZipExtract, OverwriteRecurseAndAttributeOptions) {
  TempFolder dir;
  MakeArchive(dir / "t.zip", {{"x.txt", "new x"}, {"sub/x.txt", "new sub x"}});
  WriteFileBytes(dir / "out\\x.txt", "old x");
  {
    QuietZip q(dir / "t.zip", dir / "out");
    q.zip.Options.OverwriteMode = files::TZAOverwriteMode::omNever;
    q.zip.Options.Recurse = false;
    q.zip.OpenZip();
    q.zip.ExtractMatching("x.txt");
  }
  EXPECT_EQ(ReadFileBytes(dir / "out\\x.txt"), "old x");
  EXPECT_EQ(ListTree(dir / "out"), std::vector<std::string>{"x.txt"});
  {
    QuietZip q(dir / "t.zip", dir / "out");
    q.zip.Options.CreateDirs = false;
    q.zip.OpenZip();
    q.zip.ExtractMatching("x.txt");
    ASSERT_EQ(q.failures.size(), 1u);  // sub\ does not exist and may not be created
    EXPECT_EQ(q.failures[0].code, 20);
  }
  EXPECT_EQ(ReadFileBytes(dir / "out\\x.txt"), "new x");
}

// Every mark an entry can carry, on a new file and over an existing plain or protected one; a file
// is created with some of them and given the rest once in place.
TEST(ZipExtract, ExtractedFilesHoldExactlyTheirEntrysAttributes) {
  constexpr DWORD R = FILE_ATTRIBUTE_READONLY, H = FILE_ATTRIBUTE_HIDDEN, S = FILE_ATTRIBUTE_SYSTEM,
                  A = FILE_ATTRIBUTE_ARCHIVE;
  const std::vector<DWORD> marks{0, A, H | A, S, H, R | A, R, R | H | S | A, FILE_ATTRIBUTE_NORMAL};
  std::vector<RawEntry> entries;
  for (size_t i = 0; i < marks.size(); ++i) entries.push_back({"f" + std::to_string(i), "data", 0, 0, {}, {}, marks[i]});
  TempFolder dir;
  WriteFileBytes(dir / "t.zip", BuildZip(entries));
  for (const DWORD existing : {DWORD{0}, A, R | H | S}) {
    const std::string out = dir / ("out" + std::to_string(existing));
    if (existing) {
      for (size_t i = 0; i < marks.size(); ++i) {
        WriteFileBytes(out + "\\f" + std::to_string(i), "old");
        SetAttributes(out + "\\f" + std::to_string(i), existing);
      }
    }
    EXPECT_TRUE(Extract(dir / "t.zip", out, "*").empty());
    for (size_t i = 0; i < marks.size(); ++i) {
      const std::string file = out + "\\f" + std::to_string(i);
      // Wine reports every file as marked for archiving: that mark is only checked where it is due.
      EXPECT_EQ(Attributes(file) & (R | H | S), marks[i] & (R | H | S)) << "entry " << marks[i] << " over " << existing;
      if (marks[i] & A) {
        EXPECT_TRUE(Attributes(file) & A) << "entry " << marks[i] << " over " << existing;
      }
      EXPECT_EQ(ReadFileBytes(file), "data");
    }
  }
}

TEST(ZipExtract, FailedExtractionLeavesTheOldTargetByteIdentical) {
  TempFolder dir;
  MakeArchive(dir / "t.zip", {{"detail1.bmp", NoiseBytes(0x80000 * 3, 4)}});
  WriteFileBytes(dir / "out\\detail1.bmp", "the simulator's own texture");
  SetAttributes(dir / "out\\detail1.bmp", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  for (int failAt = 0; failAt < 4; ++failAt) {
    QuietZip q(dir / "t.zip", dir / "out");
    q.zip.OpenZip();
    RunFailingAt(q, failAt, [&] { q.zip.ExtractMatching("*"); });
    EXPECT_EQ(ReadFileBytes(dir / "out\\detail1.bmp"), "the simulator's own texture") << failAt;
    EXPECT_EQ(Attributes(dir / "out\\detail1.bmp"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE) << failAt;
    EXPECT_EQ(ListTree(dir / "out"), std::vector<std::string>{"detail1.bmp"}) << failAt;
  }
}

TEST(ZipExtract, TargetHeldByAnotherProgramIsNotReplacedAndIsAskedAbout) {
  TempFolder dir;
  MakeArchive(dir / "t.zip", {{"detail1.bmp", TextBytes(5000)}});
  WriteFileBytes(dir / "out\\detail1.bmp", "in use");
  HANDLE user = CreateFileW(core::Widen(dir / "out\\detail1.bmp").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(user, INVALID_HANDLE_VALUE);
  QuietZip q(dir / "t.zip", dir / "out");
  q.zip.OpenZip();
  q.zip.ExtractMatching("*");
  CloseHandle(user);
  ASSERT_EQ(q.failures.size(), 1u);
  EXPECT_EQ(q.failures[0].code, 19);
  EXPECT_EQ(ReadFileBytes(dir / "out\\detail1.bmp"), "in use");
  EXPECT_EQ(ListTree(dir / "out"), std::vector<std::string>{"detail1.bmp"});
}
