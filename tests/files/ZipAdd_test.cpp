// Adding files: the bytes written, which files a mask takes, updates and refusals.
#include <windows.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "files/ZipInternal.h"
#include "support/ZipFixtures.h"

using namespace testing_support;
using files::EZAException;
using files::TZAProcessOperation;
using files::TZAProgressPhase;

namespace {

std::vector<std::string> Names(const files::TZipBaseArchiver& zip) {
  std::vector<std::string> out;
  for (const auto& item : zip.Items()) out.push_back(item.name);
  return out;
}

std::vector<std::string> AddAndList(const std::string& archive, const std::string& base, const std::string& mask) {
  QuietZip q(archive, base);
  q.zip.OpenZip();
  q.zip.AddMatching(mask);
  return Names(q.zip);
}

Bytes Inflate(const Bytes& compressed, size_t size) {
  Bytes out(size, '\xA5');
  z_stream s{};
  inflateInit2(&s, -15);
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  s.avail_in = static_cast<uInt>(compressed.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  int rc = inflate(&s, Z_FINISH);
  inflateEnd(&s);
  return rc == Z_STREAM_END ? out : Bytes("inflate failed");
}

int ExpectFailure(const std::function<void()>& action) {
  try {
    action();
  } catch (const EZAException& e) {
    return e.code();
  }
  return -1;
}

}  // namespace

TEST(ZipAdd, WrittenRecordsFollowTheFormatTable) {
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

TEST(ZipAdd, MaskMatchingNothingStillWritesAnEmptyArchive) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  EXPECT_TRUE(AddAndList(dir / "t.zip", dir / "src", "nothing.bmp").empty());
  Bytes zip = ReadFileBytes(dir / "t.zip");
  ASSERT_EQ(zip.size(), 22u);
  EXPECT_EQ(zip, Bytes("PK\x05\x06", 4) + Bytes(18, '\0'));
}

TEST(ZipAdd, PlainNameTakesSameNamedFilesOfSubfoldersAndFullPathOnlyThatFile) {
  TempFolder dir;
  for (auto name : {"detail1.bmp", "a\\detail1.bmp", "a\\b\\detail1.bmp", "a\\other.bmp", "detail1.bmp.bak"})
    WriteFileBytes(dir / ("src\\" + std::string(name)), name);
  EXPECT_EQ(AddAndList(dir / "plain.zip", dir / "src", "detail1.bmp"),
            (std::vector<std::string>{"detail1.bmp", "a/detail1.bmp", "a/b/detail1.bmp"}));
  EXPECT_EQ(AddAndList(dir / "full.zip", dir / "src", dir / "src\\a\\detail1.bmp"),
            (std::vector<std::string>{"a/detail1.bmp"}));
  EXPECT_EQ(AddAndList(dir / "wild.zip", dir / "src", "*.bmp"),
            (std::vector<std::string>{"detail1.bmp", "a/detail1.bmp", "a/other.bmp", "a/b/detail1.bmp"}));
}

TEST(ZipAdd, MatchingSubfolderIsStoredWholeAndArchiveItselfIsLeftOut) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\tex\\x.bmp", "x");
  WriteFileBytes(dir / "src\\tex\\deep\\y.txt", "y");
  WriteFileBytes(dir / "src\\other\\tex.txt", "z");
  EXPECT_EQ(AddAndList(dir / "src\\self.zip", dir / "src", "tex*"),
            (std::vector<std::string>{"other/tex.txt", "tex/", "tex/x.bmp", "tex/deep/", "tex/deep/y.txt"}));
  // A second add over everything must not take the archive into itself.
  auto all = AddAndList(dir / "src\\self.zip", dir / "src", "*");
  EXPECT_EQ(std::count(all.begin(), all.end(), "self.zip"), 0);
  EXPECT_EQ(all.size(), 6u);
  EXPECT_EQ(AddAndList(dir / "src\\self.zip", dir / "src", dir / "src\\self.zip").size(), 6u) << "named by full path";
}

TEST(ZipAdd, AddingAgainReplacesTheEntryAndKeepsTheOthers) {
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

TEST(ZipAdd, StartEventNamesTheOperationOfTheFirstEntryWritten) {
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

TEST(ZipAdd, ProgressFollowsBuffersOfTheEntries) {
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

TEST(ZipAdd, RefusalsCarryTheirCodes) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  WriteFileBytes(dir / "junk.zip", TextBytes(300));
  files::TZipBaseArchiver zip;
  EXPECT_EQ(ExpectFailure([&] { zip.OpenZip(); }), 9);
  zip.FileName = dir.path();  // a folder
  EXPECT_EQ(ExpectFailure([&] { zip.OpenZip(); }), 9);
  EXPECT_EQ(ExpectFailure([&] { zip.AddMatching("*"); }), 13);
  EXPECT_EQ(ExpectFailure([&] { zip.ExtractMatching("*"); }), 13);
  EXPECT_EQ(ExpectFailure([&] { zip.SetCompressionMode(10); }), 5);
  EXPECT_EQ(zip.CompressionMode(), 1);
  zip.SetCompressionMode(7);
  EXPECT_EQ(zip.CompressionLevel(), files::TZACompressionLevel::clMax);
  zip.SetCompressionLevel(files::TZACompressionLevel::clNormal);
  EXPECT_EQ(zip.CompressionMode(), 6);
  zip.FileName = dir / "junk.zip";
  EXPECT_EQ(ExpectFailure([&] { zip.OpenZip(); }), 44);
  EXPECT_TRUE(DeleteFileW(core::Widen(dir / "junk.zip").c_str())) << "a refused archive must not stay open";
  // Features that are not built are refused, not ignored.
  zip.InMemory = true;
  EXPECT_EQ(ExpectFailure([&] { zip.OpenZip(); }), 28);
  zip.InMemory = false;
  zip.SpanningMode = files::TZASpanningMode::smSplitting;
  EXPECT_EQ(ExpectFailure([&] { zip.OpenZip(); }), 51);
  zip.SpanningMode = files::TZASpanningMode::smNone;
  zip.Password = "secret";
  EXPECT_EQ(ExpectFailure([&] { zip.OpenZip(); }), 0);
  zip.Password.clear();
  zip.Zip64Mode = files::TZip64Mode::zmAuto;
  EXPECT_EQ(ExpectFailure([&] { zip.OpenZip(); }), 0);
  zip.Zip64Mode = files::TZip64Mode::zmDisabled;
  zip.FileName = dir / "new.zip";
  zip.OpenZip();
  zip.BeginUpdate();
  EXPECT_EQ(ExpectFailure([&] { zip.ExtractMatching("*"); }), 26);
}

TEST(ZipAdd, ReadOnlyArchiveIsRefusedWith32AndLeftAlone) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  AddAndList(dir / "t.zip", dir / "src", "*");
  Bytes before = ReadFileBytes(dir / "t.zip");
  SetAttributes(dir / "t.zip", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  WriteFileBytes(dir / "src\\b.txt", "b");
  QuietZip q(dir / "t.zip", dir / "src");
  q.zip.OpenZip();
  EXPECT_TRUE(q.zip.OpenedReadOnly());
  EXPECT_EQ(ExpectFailure([&] { q.zip.AddMatching("*"); }), 32);
  q.zip.ExtractMatching("a.txt");  // reading still works
  EXPECT_TRUE(PathExists(dir / "src\\a.txt"));
  q.zip.CloseZip();
  EXPECT_EQ(ReadFileBytes(dir / "t.zip"), before);
  EXPECT_EQ(Attributes(dir / "t.zip"), static_cast<uint32_t>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

  // Another program holding the archive without sharing writes has the same effect.
  SetAttributes(dir / "t.zip", FILE_ATTRIBUTE_ARCHIVE);
  HANDLE reader = CreateFileW(core::Widen(dir / "t.zip").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  q.zip.OpenZip();
  EXPECT_TRUE(q.zip.OpenedReadOnly());
  EXPECT_EQ(ExpectFailure([&] { q.zip.AddMatching("*"); }), 32);
  q.zip.CloseZip();
  CloseHandle(reader);
  EXPECT_EQ(ReadFileBytes(dir / "t.zip"), before);
}

TEST(ZipAdd, UnreadableSourceAsksAndRetryIgnoreAbortDoWhatTheySay) {
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

TEST(ZipAdd, FileOf4GiBIsRefusedWith43) {
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

TEST(ZipAdd, NamesAreStoredInTheOemCodePageUnlessItCannotHoldThem) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\\xC3\x89t\xC3\xA9.bmp", "e");         // "Été.bmp": in code page 437
  WriteFileBytes(dir / "src\\prix \xE2\x82\xAC.txt", "euro");      // "prix €.txt": not in 437
  AddAndList(dir / "t.zip", dir / "src", "*");
  Bytes zip = ReadFileBytes(dir / "t.zip");
  if (GetOEMCP() == 437) {
    EXPECT_NE(zip.find("\x90t\x82.bmp"), std::string::npos);
  }
  size_t euro = zip.find("prix \xE2\x82\xAC.txt");
  ASSERT_NE(euro, std::string::npos);
  EXPECT_EQ(U16(zip, euro - 30 + 6) & 0x800, 0x800);  // flagged UTF-8 in its local header
  QuietZip x(dir / "t.zip", dir / "out");
  x.zip.OpenZip();
  EXPECT_EQ(Names(x.zip), (std::vector<std::string>{"prix \xE2\x82\xAC.txt", "\xC3\x89t\xC3\xA9.bmp"}));
  x.zip.ExtractMatching("*");
  EXPECT_EQ(ReadFileBytes(dir / "out\\\xC3\x89t\xC3\xA9.bmp"), "e");
  EXPECT_EQ(ReadFileBytes(dir / "out\\prix \xE2\x82\xAC.txt"), "euro");
}

TEST(ZipAdd, UpdateBracketCommitsOnceAtTheOutermostEndOrAtClose) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  WriteFileBytes(dir / "src\\b.txt", "b");
  QuietZip q(dir / "t.zip", dir / "src");
  q.zip.OpenZip();
  EXPECT_EQ(ExpectFailure([&] { q.zip.EndUpdate(); }), 22);
  q.zip.BeginUpdate();
  q.zip.AddMatching("a.txt");
  q.zip.AddMatching("b.txt");
  EXPECT_FALSE(PathExists(dir / "t.zip")) << "nothing is written inside the bracket";
  q.zip.EndUpdate();
  EXPECT_EQ(Names(q.zip), (std::vector<std::string>{"a.txt", "b.txt"}));
  q.zip.CloseZip();

  WriteFileBytes(dir / "src\\c.txt", "c");
  QuietZip r(dir / "t.zip", dir / "src");
  r.zip.OpenZip();
  r.zip.BeginUpdate();
  r.zip.AddMatching("c.txt");
  r.zip.CloseZip();  // the pending update is written
  r.zip.OpenZip();
  EXPECT_EQ(Names(r.zip), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
  r.zip.OpenZip();  // reopening an open archive keeps it writable
  EXPECT_FALSE(r.zip.OpenedReadOnly());

  // A commit that fails at close still releases the archive; the failure reaches the caller.
  const Bytes before = ReadFileBytes(dir / "t.zip");
  r.zip.OnOverallProgress = [](files::TZipBaseArchiver&, double, TZAProcessOperation, TZAProgressPhase, bool&) {
    throw EZAException(46);
  };
  r.zip.BeginUpdate();
  r.zip.AddMatching("a.txt");
  EXPECT_EQ(ExpectFailure([&] { r.zip.CloseZip(); }), 46);
  EXPECT_FALSE(r.zip.Active());
  EXPECT_EQ(ReadFileBytes(dir / "t.zip"), before);
  EXPECT_TRUE(DeleteFileW(core::Widen(dir / "t.zip").c_str())) << "the archive must not stay open";
}

std::wstring CurrentDirectory() {
  std::wstring out(GetCurrentDirectoryW(0, nullptr), L'\0');
  out.resize(GetCurrentDirectoryW(static_cast<DWORD>(out.size()), out.data()));
  return out;
}

TEST(ZipAdd, RelativeNamesFollowTheCallersDirectoryWhichIsGivenBack) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  WriteFileBytes(dir / "caller\\keep.txt", "k");
  struct Restore {
    std::wstring saved = CurrentDirectory();
    ~Restore() { SetCurrentDirectoryW(saved.c_str()); }  // before the folder is removed
  } restore;
  const std::wstring caller = core::Widen(dir / "caller");
  ASSERT_TRUE(SetCurrentDirectoryW(caller.c_str()));
  EXPECT_EQ(AddAndList("..\\t.zip", "..\\src", "*"), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(CurrentDirectory(), caller);
  EXPECT_TRUE(PathExists(dir / "t.zip"));
  EXPECT_FALSE(PathExists(dir / "caller\\t.zip"));

  QuietZip q(dir / "t.zip", dir / "missing");
  q.zip.OpenZip();
  EXPECT_EQ(ExpectFailure([&] { q.zip.AddMatching("*"); }), 11);
  EXPECT_EQ(CurrentDirectory(), caller);
}

TEST(ZipAdd, StorePathAndRecurseOptions) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\x.bmp", "top");
  WriteFileBytes(dir / "src\\sub\\y.bmp", "deep");
  QuietZip flat(dir / "flat.zip", dir / "src");
  flat.zip.Options.Recurse = false;
  flat.zip.OpenZip();
  flat.zip.AddMatching("*.bmp");
  EXPECT_EQ(Names(flat.zip), std::vector<std::string>{"x.bmp"});
  QuietZip names(dir / "names.zip", dir / "src");
  names.zip.Options.StorePath = files::TZAStorePathMode::spNoPath;
  names.zip.OpenZip();
  names.zip.AddMatching("*.bmp");
  EXPECT_EQ(Names(names.zip), (std::vector<std::string>{"x.bmp", "y.bmp"}));
  QuietZip stored(dir / "stored.zip", dir / "src");
  stored.zip.SetCompressionLevel(files::TZACompressionLevel::clNone);
  stored.zip.OpenZip();
  stored.zip.AddMatching("x.bmp");
  ASSERT_EQ(stored.zip.Items().size(), 1u);
  EXPECT_EQ(stored.zip.Items()[0].header.method, 0);
}

TEST(ZipAdd, UpdatedArchiveKeepsItsAttributes) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  WriteFileBytes(dir / "src\\b.txt", "b");
  AddAndList(dir / "t.zip", dir / "src", "a.txt");
  const uint32_t kept[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
                           FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE};
  for (uint32_t attributes : kept) {
    SetAttributes(dir / "t.zip", attributes);
    QuietZip q(dir / "t.zip", dir / "src");
    q.zip.OpenZip();
    q.zip.AddMatching("b.txt");  // the update replaces the file with a new one
    q.zip.CloseZip();
    EXPECT_TRUE(q.failures.empty());
    EXPECT_EQ(Attributes(dir / "t.zip"), attributes);
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
  EXPECT_EQ(Attributes(dir / "t.zip"), static_cast<uint32_t>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"src/", "src/a.txt", "src/b.txt", "src/c.txt", "t.zip"}));
}

TEST(ZipAdd, EntryCountStopsBeforeTheZip64Marker) {
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
