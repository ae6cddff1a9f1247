// Writing an update: the bytes written, replacements, progress, refusals and faults along the way.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "files/ZipInternal.h"
#include "support/ZipFixtures.h"

using namespace testing_support;
using files::EZAException;
using files::TZAAction;
using files::TZAProcessOperation;
using files::TZAProgressPhase;

TEST(ZipCommit, WrittenRecordsFollowTheFormatTable) {
  TempFolder dir;
  Bytes text = TextBytes(100000);
  WriteFileBytes(dir / "src\\a.txt", text);
  WriteFileBytes(dir / "src\\empty.txt", "");
  WriteFileBytes(dir / "src\\sub\\b.bin", "bb");
  SetAttributes(dir / "src\\a.txt", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
  ASSERT_EQ(AddAndList(dir / "t.zip", dir / "src", "*"),
            (std::vector<std::string>{"a.txt", "empty.txt", "sub/", "sub/b.bin"}));
  Bytes zip = ReadFileBytes(dir / "t.zip");

  // First local header: deflated file, rewritten with CRC and sizes, no extra field.
  EXPECT_EQ(U32(zip, 0), 0x04034B50u);
  EXPECT_EQ(U16(zip, 4), 20);
  EXPECT_EQ(U16(zip, 6), 0);
  EXPECT_EQ(U16(zip, 8), 8);
  EXPECT_EQ(U32(zip, 14), Crc(text));
  uint32_t compressed = U32(zip, 18);
  EXPECT_EQ(U32(zip, 22), text.size());
  EXPECT_EQ(U16(zip, 26), 5);
  EXPECT_EQ(U16(zip, 28), 0);
  EXPECT_EQ(zip.substr(30, 5), "a.txt");
  EXPECT_EQ(Inflate(zip.substr(35, compressed), text.size()), text);
  // Deflated at level 1: what zlib gives at level 1 for the same bytes.
  EXPECT_EQ(zip.substr(35, compressed), RawDeflate(text, 1));

  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExW(core::Widen(dir / "src\\a.txt").c_str(), GetFileExInfoStandard, &data));
  auto when = files::zip::DosTimeOf(&data.ftLastWriteTime);
  EXPECT_EQ(U16(zip, 10), when.time);
  EXPECT_EQ(U16(zip, 12), when.date);

  // End record and central directory.
  size_t end = zip.size() - 22;
  EXPECT_EQ(U32(zip, end), 0x06054B50u);
  EXPECT_EQ(U16(zip, end + 4), 0);
  EXPECT_EQ(U16(zip, end + 6), 0);
  EXPECT_EQ(U16(zip, end + 8), 4);
  EXPECT_EQ(U16(zip, end + 10), 4);
  EXPECT_EQ(U16(zip, end + 20), 0);
  size_t cd = U32(zip, end + 16);
  EXPECT_EQ(cd + U32(zip, end + 12), end);
  struct Expect {
    const char* name;
    uint16_t flags, method;
    uint32_t size;
    uint32_t attributes;
  };
  const Expect expected[] = {{"a.txt", 0, 8, 100000, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN},
                             {"empty.txt", 0, 0, 0, Attributes(dir / "src\\empty.txt")},
                             {"sub/", 2, 0, 0, Attributes(dir / "src\\sub")},
                             {"sub/b.bin", 0, 8, 2, Attributes(dir / "src\\sub\\b.bin")}};
  size_t at = cd;
  for (const auto& e : expected) {
    SCOPED_TRACE(e.name);
    ASSERT_EQ(U32(zip, at), 0x02014B50u);
    EXPECT_EQ(U16(zip, at + 4), 20);
    EXPECT_EQ(U16(zip, at + 6), 20);
    EXPECT_EQ(U16(zip, at + 8), e.flags);
    EXPECT_EQ(U16(zip, at + 10), e.method);
    EXPECT_EQ(U32(zip, at + 24), e.size);
    for (size_t field : {30, 32, 34, 36}) EXPECT_EQ(U16(zip, at + field), 0) << field;
    EXPECT_EQ(U32(zip, at + 38), e.attributes);
    size_t local = U32(zip, at + 42);
    EXPECT_EQ(U32(zip, local), 0x04034B50u);
    EXPECT_EQ(zip.substr(local + 6, 20), zip.substr(at + 8, 20));  // flags to sizes as in the local header
    EXPECT_EQ(zip.substr(at + 46, U16(zip, at + 28)), e.name);
    at += 46 + U16(zip, at + 28);
  }
  EXPECT_EQ(at, end);
  EXPECT_TRUE(ListTree(dir.path()) == (std::vector<std::string>{"src/", "src/a.txt", "src/empty.txt", "src/sub/",
                                                                 "src/sub/b.bin", "t.zip"}))
      << "no temporary file may stay behind";
}

TEST(ZipCommit, AddingAgainReplacesTheEntryAndKeepsTheOthers) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "old a");
  WriteFileBytes(dir / "src\\b.txt", TextBytes(5000));
  AddAndList(dir / "t.zip", dir / "src", "*");
  WriteFileBytes(dir / "src\\a.txt", "new content of a");
  QuietZip q(dir / "t.zip", dir / "src");
  std::vector<TZAProcessOperation> operations;
  q.zip.OnOverallProgress = [&](files::TZipBaseArchiver&, double, TZAProcessOperation op, TZAProgressPhase phase,
                                bool&) {
    if (phase == TZAProgressPhase::ppStart) operations.push_back(op);
  };
  q.zip.OpenZip();
  q.zip.AddMatching("a.txt");
  EXPECT_EQ(Names(q.zip), (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(operations, std::vector<TZAProcessOperation>{TZAProcessOperation::poUpdate});
  q.zip.CloseZip();
  RemoveTree(dir / "src");
  QuietZip x(dir / "t.zip", dir / "out");
  x.zip.OpenZip();
  x.zip.ExtractMatching("*");
  EXPECT_EQ(ReadFileBytes(dir / "out\\a.txt"), "new content of a");
  EXPECT_EQ(ReadFileBytes(dir / "out\\b.txt"), TextBytes(5000));
  EXPECT_TRUE(x.failures.empty());
}

TEST(ZipCommit, StartEventNamesTheOperationOfTheFirstEntryWritten) {
  TempFolder dir;
  MakeArchive(dir / "t.zip", {{"b.txt", "old b"}});
  WriteFileBytes(dir / "src\\a.txt", "new a");  // gathered first, but new entries are written last
  WriteFileBytes(dir / "src\\b.txt", "new b");
  QuietZip q(dir / "t.zip", dir / "src");
  std::vector<std::pair<TZAProgressPhase, TZAProcessOperation>> events;
  q.zip.OnOverallProgress = [&](files::TZipBaseArchiver&, double, TZAProcessOperation op, TZAProgressPhase phase,
                                bool&) { events.emplace_back(phase, op); };
  q.zip.OpenZip();
  q.zip.AddMatching("*");
  EXPECT_EQ(Names(q.zip), (std::vector<std::string>{"b.txt", "a.txt"}));
  using P = TZAProgressPhase;
  using O = TZAProcessOperation;
  EXPECT_EQ(events, (std::vector<std::pair<P, O>>{
                        {P::ppStart, O::poUpdate}, {P::ppProcess, O::poUpdate}, {P::ppProcess, O::poAdd},
                        {P::ppEnd, O::poUpdate}}));
}

TEST(ZipCommit, ProgressFollowsBuffersOfTheEntries) {
  TempFolder dir;
  const size_t buffer = 0x80000;  // mode 1
  WriteFileBytes(dir / "src\\a.bin", NoiseBytes(buffer * 2 + 100));
  WriteFileBytes(dir / "src\\b.bin", NoiseBytes(buffer / 2));
  QuietZip q(dir / "t.zip", dir / "src");
  q.zip.OpenZip();
  q.zip.AddMatching("*");
  double a = buffer * 2 + 100.0;
  std::vector<double> expected = {0,  buffer / a * 50, 2 * buffer / a * 50, 50, 100, 100};
  ASSERT_EQ(q.progress.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(q.progress[i], expected[i], 1e-9) << i;
}

TEST(ZipCommit, UnreadableSourceAsksAndRetryIgnoreAbortDoWhatTheySay) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "aaa");
  WriteFileBytes(dir / "src\\b.txt", "bbb");
  HANDLE lock = CreateFileW(core::Widen(dir / "src\\a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);

  {  // Abort: nothing is written, not even a new archive.
    QuietZip q(dir / "abort.zip", dir / "src");
    q.zip.OpenZip();
    q.zip.AddMatching("*");
    ASSERT_EQ(q.failures.size(), 1u);
    EXPECT_EQ(q.failures[0].code, 33);
    EXPECT_EQ(q.failures[0].name, dir / "src\\a.txt");
  }
  EXPECT_FALSE(PathExists(dir / "abort.zip"));
  {  // Ignore: the other file is still added.
    QuietZip q(dir / "ignore.zip", dir / "src");
    q.answer = files::TZAAction::fxaIgnore;
    q.zip.OpenZip();
    q.zip.AddMatching("*");
    EXPECT_EQ(Names(q.zip), std::vector<std::string>{"b.txt"});
  }
  {  // Retry after the file was released: it is added.
    QuietZip q(dir / "retry.zip", dir / "src");
    q.zip.OnProcessFileFailure = [&](files::TZipBaseArchiver&, const std::string&, TZAProcessOperation,
                                     const EZAException&) {
      CloseHandle(lock);
      lock = nullptr;
      return files::TZAAction::fxaRetry;
    };
    q.zip.OpenZip();
    q.zip.AddMatching("*");
    EXPECT_EQ(Names(q.zip), (std::vector<std::string>{"a.txt", "b.txt"}));
  }
  if (lock) CloseHandle(lock);
  QuietZip x(dir / "retry.zip", dir / "out");
  x.zip.OpenZip();
  x.zip.ExtractMatching("*");
  EXPECT_EQ(ReadFileBytes(dir / "out\\a.txt"), "aaa");
}

TEST(ZipCommit, FileOf4GiBIsRefusedWith43) {
  TempFolder dir;
  std::wstring big = core::Widen(dir / "src\\big.bin");
  WriteFileBytes(dir / "src\\big.bin", "");
  HANDLE h = CreateFileW(big.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 0xFFFFFFFFLL;
  bool sparse = SetFilePointerEx(h, size, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  if (!sparse) GTEST_SKIP() << "no room for a 4 GiB sparse file here";
  QuietZip q(dir / "t.zip", dir / "src");
  q.zip.OpenZip();
  q.zip.AddMatching("big.bin");
  ASSERT_EQ(q.failures.size(), 1u);
  EXPECT_EQ(q.failures[0].code, 43);
  EXPECT_FALSE(PathExists(dir / "t.zip"));
}

// The attributes a user sets (Wine adds "archive" to files on its own).
constexpr uint32_t kUserAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

TEST(ZipCommit, UpdatedArchiveKeepsItsAttributes) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  WriteFileBytes(dir / "src\\b.txt", "b");
  AddAndList(dir / "t.zip", dir / "src", "a.txt");
  const uint32_t kept[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_SYSTEM};
  for (uint32_t attributes : kept) {
    SetAttributes(dir / "t.zip", attributes);
    QuietZip q(dir / "t.zip", dir / "src");
    q.zip.OpenZip();
    q.zip.AddMatching("b.txt");  // the update replaces the file with a new one
    q.zip.CloseZip();
    EXPECT_TRUE(q.failures.empty());
    EXPECT_EQ(Attributes(dir / "t.zip") & kUserAttributes, attributes & kUserAttributes) << attributes;
  }
  // Read-only while open (set by another program after the archive was opened for writing): the
  // update cannot replace the file, fails with its code, and the file keeps its bytes and attributes.
  const Bytes before = ReadFileBytes(dir / "t.zip");
  QuietZip q(dir / "t.zip", dir / "src");
  q.zip.OpenZip();
  ASSERT_FALSE(q.zip.OpenedReadOnly());
  SetAttributes(dir / "t.zip", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  WriteFileBytes(dir / "src\\c.txt", "c");
  EXPECT_NE(ExpectFailure([&] { q.zip.AddMatching("c.txt"); }), -1);
  q.zip.CloseZip();
  EXPECT_EQ(ReadFileBytes(dir / "t.zip"), before);
  EXPECT_EQ(Attributes(dir / "t.zip") & kUserAttributes,
            static_cast<uint32_t>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"src/", "src/a.txt", "src/b.txt", "src/c.txt", "t.zip"}));
}

TEST(ZipCommit, EntryCountStopsBeforeTheZip64Marker) {
  // 65,535 entries would be written as 0xFFFF, which readers take for "see the ZIP64 record".
  TempFolder dir;
  std::vector<RawEntry> entries;
  for (int i = 0; i < 0xFFFD; ++i) entries.push_back({"e" + std::to_string(i)});
  WriteFileBytes(dir / "t.zip", BuildZip(entries));
  WriteFileBytes(dir / "src\\a.txt", "a");
  WriteFileBytes(dir / "src\\b.txt", "b");
  {
    QuietZip q(dir / "t.zip", dir / "src");
    q.zip.OpenZip();
    ASSERT_EQ(q.zip.Items().size(), 0xFFFDu);
    q.zip.AddMatching("a.txt");
    EXPECT_EQ(q.zip.Items().size(), 0xFFFEu);
  }
  const Bytes full = ReadFileBytes(dir / "t.zip");
  EXPECT_EQ(U16(full, full.size() - 12), 0xFFFE);
  QuietZip q(dir / "t.zip", dir / "src");
  q.zip.OpenZip();
  EXPECT_EQ(q.zip.Items().size(), 0xFFFEu);
  EXPECT_EQ(ExpectFailure([&] { q.zip.AddMatching("b.txt"); }), 41);
  q.zip.CloseZip();
  EXPECT_EQ(ReadFileBytes(dir / "t.zip"), full);
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"src/", "src/a.txt", "src/b.txt", "t.zip"}));
}

TEST(ZipCommit, FailureAtAnyMomentOfAnUpdateLeavesTheArchiveByteIdentical) {
  TempFolder dir;
  MakeArchive(dir / "t.zip", {{"kept.txt", TextBytes(100000)}, {"replaced.bin", NoiseBytes(1000)}});
  const Bytes before = ReadFileBytes(dir / "t.zip");
  WriteFileBytes(dir / "src\\replaced.bin", NoiseBytes(0x80000 * 2 + 5, 2));
  WriteFileBytes(dir / "src\\added.txt", TextBytes(0x80000 * 3, 3));
  const auto tree = ListTree(dir.path());

  int events = 0;
  {
    QuietZip probe(dir / "probe.zip", dir / "src");
    probe.zip.OpenZip();
    events = RunFailingAt(probe, -1, [&] { probe.zip.AddMatching("*"); });
  }
  RemoveTree(dir / "probe.zip");
  ASSERT_GE(events, 7);  // start, 3 + 4 buffers, end
  for (int failAt = 0; failAt < events; ++failAt) {
    QuietZip q(dir / "t.zip", dir / "src");
    q.zip.OpenZip();
    RunFailingAt(q, failAt, [&] { q.zip.AddMatching("*"); });
    if (failAt == events - 1) {
      // The end event comes after the move: the new archive is complete.
      EXPECT_EQ(q.zip.Items().size(), 3u);
      q.zip.CloseZip();
      WriteFileBytes(dir / "t.zip", before);
      continue;
    }
    q.zip.CloseZip();
    EXPECT_EQ(ReadFileBytes(dir / "t.zip"), before) << "fault at event " << failAt;
    EXPECT_EQ(ListTree(dir.path()), tree) << "fault at event " << failAt;
  }
}

TEST(ZipCommit, FailedOrCancelledNewArchiveLeavesNothingBehind) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", TextBytes(0x80000 * 2));
  {
    QuietZip q(dir / "new.zip", dir / "src");
    q.zip.OpenZip();
    RunFailingAt(q, 1, [&] { q.zip.AddMatching("*"); });
  }
  {
    QuietZip q(dir / "new.zip", dir / "src");
    q.zip.OnOverallProgress = [](files::TZipBaseArchiver&, double p, files::TZAProcessOperation,
                                 files::TZAProgressPhase, bool& cancel) { cancel = p > 0; };
    q.zip.OpenZip();
    q.zip.AddMatching("*");
    EXPECT_TRUE(q.failures.empty());
    EXPECT_TRUE(q.zip.Items().empty());
  }
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"src/", "src/a.txt"}));
}
