// Faults in the middle of a request: the archive and existing targets stay exactly as they were.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "support/ZipFixtures.h"

using namespace testing_support;

namespace {

struct InjectedFault : std::runtime_error {
  InjectedFault() : std::runtime_error("injected fault") {}
};

// Runs `request` with a progress handler that throws at event number `failAt` (counting from 0).
// Gives the number of events seen.
int RunFailingAt(QuietZip& q, int failAt, const std::function<void()>& request) {
  int seen = 0;
  q.zip.OnOverallProgress = [&](files::TZipBaseArchiver&, double, files::TZAProcessOperation,
                                files::TZAProgressPhase, bool&) {
    if (seen++ == failAt) throw InjectedFault();
  };
  try {
    request();
  } catch (const InjectedFault&) {
  }
  return seen;
}

}  // namespace

TEST(ZipFaults, FailureAtAnyMomentOfAnUpdateLeavesTheArchiveByteIdentical) {
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

TEST(ZipFaults, FailedOrCancelledNewArchiveLeavesNothingBehind) {
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

TEST(ZipFaults, FailedExtractionLeavesTheOldTargetByteIdentical) {
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

TEST(ZipFaults, TargetHeldByAnotherProgramIsNotReplacedAndIsAskedAbout) {
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
