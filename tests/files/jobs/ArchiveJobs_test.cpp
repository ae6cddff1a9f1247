// Whole archive jobs without any window: the caller's handlers get the progress and the failed files,
// archive attributes are kept, and failures that are not about one file reach the caller.
#include "files/jobs/ArchiveJobs.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "support/ZipFixtures.h"

using namespace testing_support;

namespace {

constexpr uint32_t RO = FILE_ATTRIBUTE_READONLY, HID = FILE_ATTRIBUTE_HIDDEN, ARC = FILE_ATTRIBUTE_ARCHIVE;

// Handlers that record what the job reports and answer a failed file as told.
struct Recorder {
  std::vector<double> progress;
  std::vector<std::string> failedFiles;
  files::TZAAction answer = files::TZAAction::fxaAbort;
  files::ArchiveJobEvents Events() {
    return {.progress = [this](files::TZipBaseArchiver&, double p, files::TZAProcessOperation, files::TZAProgressPhase,
                               bool&) { progress.push_back(p); },
            .fileFailure =
                [this](files::TZipBaseArchiver&, const std::string& name, files::TZAProcessOperation,
                       const files::EZAException&) {
                  failedFiles.push_back(name);
                  return answer;
                }};
  }
};

}  // namespace

TEST(ArchiveJobs, AddReportsProgressAndKeepsAReadOnlyArchiveReadOnly) {
  TempFolder dir;
  WriteFileBytes(dir / "tex\\detail1.bmp", NoiseBytes(0x80000 * 3 + 10));
  Recorder recorder;
  ASSERT_TRUE(files::AddToArchive(dir / "backup.zip", dir / "tex", "detail1.bmp", recorder.Events()));
  ASSERT_FALSE(recorder.progress.empty());
  EXPECT_EQ(recorder.progress.front(), 0);
  EXPECT_EQ(recorder.progress.back(), 100);
  // A new archive ends with no read-only, hidden or system bit (Wine always reports the archive bit).
  EXPECT_EQ(Attributes(dir / "backup.zip") & (RO | HID | FILE_ATTRIBUTE_SYSTEM), 0u);

  SetAttributes(dir / "backup.zip", RO | HID | ARC);
  WriteFileBytes(dir / "tex\\other.bmp", "other");
  EXPECT_TRUE(files::AddToArchive(dir / "backup.zip", dir / "tex", "other.bmp"));
  EXPECT_EQ(Attributes(dir / "backup.zip"), RO | HID | ARC);
  EXPECT_TRUE(files::ExtractFromArchive(dir / "backup.zip", dir / "out", "*"));
  EXPECT_EQ(ListTree(dir / "out"), (std::vector<std::string>{"detail1.bmp", "other.bmp"}));
}

TEST(ArchiveJobs, ExtractFromAMissingArchiveGivesFalseAndReportsNothing) {
  TempFolder dir;
  Recorder recorder;
  EXPECT_FALSE(files::ExtractFromArchive(dir / "missing.zip", dir / "out", "detail1.bmp", recorder.Events()));
  EXPECT_TRUE(recorder.progress.empty());
  EXPECT_FALSE(PathExists(dir / "out"));
}

TEST(ArchiveJobs, AFailedFileGoesToTheHandlerAndItsAnswerCounts) {
  TempFolder dir;
  Bytes data = TextBytes(300);
  WriteFileBytes(dir / "Pratilo.bin", BuildZip({{"T3_256.bmp", data, 0, 0, Crc(data) + 1}, {"T6.bmp", "t6"}}));
  WriteFileBytes(dir / "tex\\T3_256.bmp", "previous");
  Recorder recorder;
  recorder.answer = files::TZAAction::fxaIgnore;
  EXPECT_TRUE(files::ExtractFromArchive(dir / "Pratilo.bin", dir / "tex", "*", recorder.Events()));
  EXPECT_EQ(recorder.failedFiles, std::vector<std::string>{"T3_256.bmp"});
  EXPECT_EQ(ReadFileBytes(dir / "tex\\T3_256.bmp"), "previous");
  EXPECT_EQ(ReadFileBytes(dir / "tex\\T6.bmp"), "t6");  // ignored, so the next entry still comes
}

TEST(ArchiveJobs, OtherFailuresReachTheCallerWithAttributesRestored) {
  TempFolder dir;
  WriteFileBytes(dir / "tex\\detail1.bmp", TextBytes(2000));
  ASSERT_TRUE(files::AddToArchive(dir / "backup.zip", dir / "tex", "detail1.bmp"));
  Bytes before = ReadFileBytes(dir / "backup.zip");
  SetAttributes(dir / "backup.zip", RO | HID | ARC);
  // Another program reads the archive and does not let it be replaced: the commit fails with 36.
  HANDLE reader = CreateFileW(core::Widen(dir / "backup.zip").c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  WriteFileBytes(dir / "tex\\more.bmp", "more");
  Recorder recorder;
  EXPECT_EQ(
      ExpectFailure([&] { files::AddToArchive(dir / "backup.zip", dir / "tex", "more.bmp", recorder.Events()); }), 36);
  CloseHandle(reader);
  EXPECT_TRUE(recorder.failedFiles.empty());
  EXPECT_EQ(Attributes(dir / "backup.zip"), RO | HID | ARC);
  EXPECT_EQ(ReadFileBytes(dir / "backup.zip"), before);
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"backup.zip", "tex/", "tex/detail1.bmp", "tex/more.bmp"}));

  // A folder in the archive's place is refused and keeps its attributes.
  CreateDirectoryW(core::Widen(dir / "folder.zip").c_str(), nullptr);
  SetAttributes(dir / "folder.zip", FILE_ATTRIBUTE_DIRECTORY | HID);
  EXPECT_EQ(ExpectFailure([&] { files::AddToArchive(dir / "folder.zip", dir / "tex", "detail1.bmp"); }), 33);
  EXPECT_EQ(Attributes(dir / "folder.zip"), static_cast<uint32_t>(FILE_ATTRIBUTE_DIRECTORY | HID));

  // Damaged data is no failure of one file: no question, the caller hears of it.
  Bytes data = TextBytes(3000);
  Bytes deflated = RawDeflate(data);
  deflated[0] = '\xFF';  // block type 3 does not exist: zlib reports a data error
  WriteFileBytes(dir / "damaged.zip", BuildZip({{"detail1.bmp", deflated, 8, 0, Crc(data), data.size()}}));
  WriteFileBytes(dir / "tex\\detail1.bmp", "installed texture");
  EXPECT_EQ(ExpectFailure([&] {
              files::ExtractFromArchive(dir / "damaged.zip", dir / "tex", "detail1.bmp", recorder.Events());
            }),
            35);
  EXPECT_TRUE(recorder.failedFiles.empty());
  EXPECT_EQ(ReadFileBytes(dir / "tex\\detail1.bmp"), "installed texture");
}
