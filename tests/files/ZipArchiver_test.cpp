// Opening archives: refusals, read-only archives, the update bracket, and damaged or malicious
// archives, where every case ends in correct data or a coded failure, never a crash, a hang or a
// file outside the destination.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "support/ZipFixtures.h"

using namespace testing_support;
using files::EZAException;
using files::TZAProcessOperation;
using files::TZAProgressPhase;

namespace {

// Names differ in several bytes, so one or two flipped bytes cannot turn one into another.
const std::map<std::string, Bytes>& Originals() {
  static const std::map<std::string, Bytes> files = {
      {"alpha.txt", TextBytes(3000, 7)}, {"empty.dat", ""}, {"folder/nested.bin", NoiseBytes(700, 3)}};
  return files;
}

Bytes SmallArchive(int mode) {
  TempFolder dir;
  for (const auto& [name, data] : Originals()) {
    std::string path = dir / ("src\\" + name);
    std::replace(path.begin(), path.end(), '/', '\\');
    WriteFileBytes(path, data);
  }
  files::TZipBaseArchiver zip;
  zip.FileName = dir / "t.zip";
  zip.BaseDir = dir / "src";
  zip.SetCompressionMode(mode);
  zip.OpenZip();
  zip.AddMatching("*");
  zip.CloseZip();
  return ReadFileBytes(dir / "t.zip");
}

// Damage to the archive itself ends the request and reaches the caller; a damaged entry is asked about.
const std::set<int> kRequestCodes = {35, 40, 44, 48};
const std::set<int> kFileCodes = {8, 19, 20, 55};

struct Outcome {
  int openCode = 0;  // failure raised by the request itself, 0 when none
  std::vector<FailureRecord> fileFailures;
};

// Extracts everything from `bytes` into a fresh folder and checks what came out.
Outcome ExtractDamaged(const Bytes& bytes, const std::string& what) {
  static TempFolder dir;  // one folder for the whole corpus: thousands of cases stay quick
  RemoveTree(dir / "out");
  WriteFileBytes(dir / "t.zip", bytes);
  Outcome outcome;
  {
    QuietZip q(dir / "t.zip", dir / "out");
    q.answer = files::TZAAction::fxaIgnore;
    try {
      q.zip.OpenZip();
      q.zip.ExtractMatching("*");
    } catch (const files::EZAException& e) {
      outcome.openCode = e.code();
    }
    outcome.fileFailures = q.failures;
  }
  if (outcome.openCode) {
    EXPECT_TRUE(kRequestCodes.count(outcome.openCode)) << what << " code " << outcome.openCode;
  }
  for (const auto& f : outcome.fileFailures) EXPECT_TRUE(kFileCodes.count(f.code)) << what << " code " << f.code;
  for (const auto& name : ListTree(dir.path())) {
    EXPECT_TRUE(name == "t.zip" || name.starts_with("out/")) << what << ": " << name;
    if (!name.starts_with("out/") || name.ends_with("/")) continue;
    auto original = Originals().find(name.substr(4));
    if (original != Originals().end()) {
      EXPECT_TRUE(ReadFileBytes(dir / name) == original->second) << what << ": " << name;
    }
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << what << ": temporary file left: " << name;
  }
  return outcome;
}

}  // namespace

TEST(ZipArchiver, EveryTruncationEndsInACodedFailureOrGoodData) {
  for (int mode : {1, 0}) {
    Bytes whole = SmallArchive(mode);
    for (size_t length = 0; length < whole.size(); ++length) {
      Outcome o = ExtractDamaged(whole.substr(0, length), "mode " + std::to_string(mode) + " length " + std::to_string(length));
      // The end record is the last thing in the file: any cut loses it.
      EXPECT_EQ(o.openCode, 44) << length;
    }
    Outcome o = ExtractDamaged(whole, "whole");
    EXPECT_EQ(o.openCode, 0);
    EXPECT_TRUE(o.fileFailures.empty());
  }
}

TEST(ZipArchiver, RandomByteFlipsEndInACodedFailureOrGoodData) {
  std::mt19937 rng(20261208);
  int failed = 0, clean = 0;
  for (int mode : {1, 0}) {
    Bytes whole = SmallArchive(mode);
    for (int round = 0; round < 1500; ++round) {
      Bytes damaged = whole;
      int flips = 1 + static_cast<int>(rng() % 2);
      std::string what = "mode " + std::to_string(mode) + " flips";
      for (int i = 0; i < flips; ++i) {
        size_t at = rng() % damaged.size();
        uint8_t mask = static_cast<uint8_t>(1 + rng() % 255);
        damaged[at] = static_cast<char>(damaged[at] ^ mask);
        what.append(1, ' ').append(std::to_string(at)).append(1, '^').append(std::to_string(mask));
      }
      Outcome o = ExtractDamaged(damaged, what);
      (o.openCode || !o.fileFailures.empty() ? failed : clean)++;
    }
  }
  // Both kinds of outcome must occur, or the corpus is not testing anything.
  EXPECT_GT(failed, 300);
  EXPECT_GT(clean, 100);
}

TEST(ZipArchiver, HandMadeMaliciousDirectories) {
  Bytes data = TextBytes(2000, 5);
  Bytes good = BuildZip({{"alpha.txt", RawDeflate(data), 8, 0, Crc(data), 2000}});
  const size_t cd = U32(good, good.size() - 6);
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
    int openCode;  // failures of the archive itself reach the caller unasked
    int fileCode;
  };
  const Case cases[] = {
      {"directory offset beyond the file", [&](Bytes& b) { PutU32(b, b.size() - 6, 0x7FFFFFF0); }, 48, 0},
      {"directory size beyond the end record", [&](Bytes& b) { PutU32(b, b.size() - 10, 0x10000); }, 48, 0},
      {"more entries than the directory holds", [&](Bytes& b) { PutU16(b, b.size() - 12, 5); PutU16(b, b.size() - 14, 5); }, 48, 0},
      {"entries on disk differ from total", [&](Bytes& b) { PutU16(b, b.size() - 14, 2); }, 48, 0},
      {"second disk", [&](Bytes& b) { PutU16(b, b.size() - 18, 1); }, 48, 0},
      {"ZIP64 markers", [&](Bytes& b) { PutU32(b, b.size() - 6, 0xFFFFFFFF); }, 40, 0},
      {"name longer than the directory", [&](Bytes& b) { PutU16(b, cd + 28, 0xFFFF); }, 48, 0},
      // "alpha.txt" fills the directory exactly: one byte more runs past its end.
      {"name one byte past the directory", [&](Bytes& b) { PutU16(b, cd + 28, 10); }, 48, 0},
      {"extra field one byte past the directory", [&](Bytes& b) { PutU16(b, cd + 30, 1); }, 48, 0},
      {"comment one byte past the directory", [&](Bytes& b) { PutU16(b, cd + 32, 1); }, 48, 0},
      {"name running into the end record", [&](Bytes& b) { PutU16(b, cd + 28, 9 + 22); }, 48, 0},
      {"local header offset inside the directory", [&](Bytes& b) { PutU32(b, cd + 42, static_cast<uint32_t>(cd)); }, 48, 0},
      {"local header offset past the end", [&](Bytes& b) { PutU32(b, cd + 42, 0xFFFFFF00); }, 48, 0},
      {"huge compressed size", [&](Bytes& b) { PutU32(b, cd + 20, 0xFFFFFF00); }, 35, 0},
      {"huge uncompressed size", [&](Bytes& b) { PutU32(b, cd + 24, 0xFFFFFFF0); }, 0, 8},
      {"local offset into the middle of the data", [&](Bytes& b) { PutU32(b, cd + 42, 40); }, 35, 0},
      {"local name length runs into the directory", [&](Bytes& b) { PutU16(b, 26, 0xFFF0); }, 35, 0},
      {"stored sizes that disagree", [&](Bytes& b) { PutU16(b, cd + 10, 0); }, 0, 8},
      {"central signature broken", [&](Bytes& b) { b[cd] = 'X'; }, 48, 0},
  };
  for (const auto& c : cases) {
    Bytes b = good;
    c.damage(b);
    Outcome o = ExtractDamaged(b, c.what);
    EXPECT_EQ(o.openCode, c.openCode) << c.what;
    if (c.fileCode) {
      ASSERT_EQ(o.fileFailures.size(), 1u) << c.what;
      EXPECT_EQ(o.fileFailures[0].code, c.fileCode) << c.what;
    }
  }
}

TEST(ZipArchiver, OverlappingEntriesEachComeOutChecked) {
  // Two directory entries share one local header and its data: both names get the same bytes.
  Bytes data = TextBytes(2000, 9);
  Bytes zip = BuildZip({{"first.txt", RawDeflate(data), 8, 0, Crc(data), 2000}});
  size_t cd = U32(zip, zip.size() - 6), cdSize = U32(zip, zip.size() - 10);
  Bytes entry = zip.substr(cd, cdSize);
  Bytes second = entry.substr(0, 46) + "other.txt" + entry.substr(55);
  Bytes rebuilt = zip.substr(0, cd) + entry + second + zip.substr(cd + cdSize);
  PutU16(rebuilt, rebuilt.size() - 12, 2);
  PutU16(rebuilt, rebuilt.size() - 14, 2);
  PutU32(rebuilt, rebuilt.size() - 10, static_cast<uint32_t>(2 * cdSize));
  TempFolder dir;
  WriteFileBytes(dir / "t.zip", rebuilt);
  QuietZip q(dir / "t.zip", dir / "out");
  q.zip.OpenZip();
  q.zip.ExtractMatching("*");
  EXPECT_TRUE(q.failures.empty());
  EXPECT_EQ(ReadFileBytes(dir / "out\\first.txt"), data);
  EXPECT_EQ(ReadFileBytes(dir / "out\\other.txt"), data);
}

TEST(ZipArchiver, UpdatingADamagedArchiveLeavesItUntouched) {
  Bytes whole = SmallArchive(1);
  size_t cd = U32(whole, whole.size() - 6);
  Bytes broken = whole;
  broken[U32(whole, cd + 42)] = 'X';  // first local header signature
  TempFolder dir;
  WriteFileBytes(dir / "t.zip", broken);
  WriteFileBytes(dir / "src\\new.txt", "new");
  QuietZip q(dir / "t.zip", dir / "src");
  q.zip.OpenZip();
  int code = 0;
  try {
    q.zip.AddMatching("new.txt");
  } catch (const files::EZAException& e) {
    code = e.code();
  }
  EXPECT_EQ(code, 35);
  q.zip.CloseZip();
  EXPECT_EQ(ReadFileBytes(dir / "t.zip"), broken);
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"src/", "src/new.txt", "t.zip"}));
}

TEST(ZipArchiver, RefusalsCarryTheirCodes) {
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

TEST(ZipArchiver, ReadOnlyArchiveIsRefusedWith32AndLeftAlone) {
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
  // Wine adds "archive" to files on its own: only the attributes a user sets are compared.
  EXPECT_EQ(Attributes(dir / "t.zip") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            static_cast<uint32_t>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

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

TEST(ZipArchiver, UpdateBracketCommitsOnceAtTheOutermostEndOrAtClose) {
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
