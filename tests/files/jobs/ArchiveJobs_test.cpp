// Whole archive jobs with a real status bar: percentages shown, cleared at the end, attributes kept.
#include "files/jobs/ArchiveJobs.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "support/Gui.h"
#include "support/DialogAnswerer.h"
#include "support/ZipFixtures.h"
#include "ui/widgets/StatusBar.h"

using namespace testing_support;

namespace {

constexpr uint32_t RO = FILE_ATTRIBUTE_READONLY, HID = FILE_ATTRIBUTE_HIDDEN, ARC = FILE_ATTRIBUTE_ARCHIVE;

// Records every text the status bar is given while a job runs.
struct WatchedBar {
  Host host;
  ui::StatusBar bar;
  std::vector<std::string> texts;
  std::vector<bool> slotHeld;  // per text: the current controller was this bar's
  WatchedBar() {
    bar.Create({.parent = host.Handle(), .bounds = {0, 200, 400, 20}});
    SetWindowSubclass(bar.Handle(), Record, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~WatchedBar() { RemoveWindowSubclass(bar.Handle(), Record, 1); }
  static LRESULT CALLBACK Record(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (msg == SB_SETTEXTW) {
      auto* watched = reinterpret_cast<WatchedBar*>(self);
      watched->texts.push_back(core::Narrow(reinterpret_cast<const wchar_t*>(lp)));
      watched->slotHeld.push_back(files::CurrentZipCtrl() && files::CurrentZipCtrl()->StatusBar() == &watched->bar);
    }
    return DefSubclassProc(h, msg, wp, lp);
  }
};

}  // namespace

TEST(ArchiveJobs, ProgressTextIsTheRoundedPercentBetweenBlanks) {
  EXPECT_EQ(files::ProgressText(0), " 0 %");
  EXPECT_EQ(files::ProgressText(45.6), " 46 %");
  EXPECT_EQ(files::ProgressText(99.6), " 100 %");
  EXPECT_EQ(files::ProgressText(100), " 100 %");
}

TEST(ArchiveJobs, AddShowsPercentagesClearsTheBarAndKeepsAReadOnlyArchiveReadOnly) {
  TempFolder dir;
  WriteFileBytes(dir / "tex\\detail1.bmp", NoiseBytes(0x80000 * 3 + 10));
  WatchedBar watched;
  ASSERT_TRUE(files::ArchiveAdd(dir / "backup.zip", dir / "tex", &watched.bar, "detail1.bmp"));
  EXPECT_EQ(watched.texts, (std::vector<std::string>{" 0 %", " 33 %", " 67 %", " 100 %", " 100 %", " 100 %", ""}));
  // Progress comes through the controller in the slot; the slot is empty by the time it clears the bar.
  EXPECT_EQ(watched.slotHeld, (std::vector<bool>{true, true, true, true, true, true, false}));
  EXPECT_EQ(watched.bar.SimpleText(), "");
  EXPECT_EQ(files::CurrentZipCtrl(), nullptr);
  // A new archive ends with no read-only, hidden or system bit (Wine always reports the archive bit).
  EXPECT_EQ(Attributes(dir / "backup.zip") & (RO | HID | FILE_ATTRIBUTE_SYSTEM), 0u);

  SetAttributes(dir / "backup.zip", RO | HID | ARC);
  WriteFileBytes(dir / "tex\\other.bmp", "other");
  EXPECT_TRUE(files::ArchiveAdd(dir / "backup.zip", dir / "tex", nullptr, "other.bmp"));
  EXPECT_EQ(Attributes(dir / "backup.zip"), RO | HID | ARC);
  EXPECT_TRUE(files::ArchiveExtract(dir / "backup.zip", dir / "out", nullptr, "*"));
  EXPECT_EQ(ListTree(dir / "out"), (std::vector<std::string>{"detail1.bmp", "other.bmp"}));
}

TEST(ArchiveJobs, ExtractFromAMissingArchiveGivesFalseAndLeavesTheBarAlone) {
  TempFolder dir;
  WatchedBar watched;
  watched.bar.SetSimpleText("before");
  watched.texts.clear();
  EXPECT_FALSE(files::ArchiveExtract(dir / "missing.zip", dir / "out", &watched.bar, "detail1.bmp"));
  EXPECT_TRUE(watched.texts.empty());
  EXPECT_EQ(watched.bar.SimpleText(), "before");
  EXPECT_FALSE(PathExists(dir / "out"));
}

TEST(ArchiveJobs, ExtractMatchingNothingShowsZeroThenHundredAndCreatesNothing) {
  TempFolder dir;
  MakeArchive(dir / "Pratilo.bin", {{"T1_1024.bmp", "t1"}, {"T6.bmp", "t6"}});
  WatchedBar watched;
  EXPECT_TRUE(files::ArchiveExtract(dir / "Pratilo.bin", dir / "out", &watched.bar, "T2_512.bmp"));
  EXPECT_EQ(watched.texts, (std::vector<std::string>{" 0 %", " 100 %", ""}));
  EXPECT_FALSE(PathExists(dir / "out"));
  EXPECT_TRUE(files::ArchiveExtract(dir / "Pratilo.bin", dir / "out", &watched.bar, "T6.bmp"));
  EXPECT_EQ(ReadFileBytes(dir / "out\\T6.bmp"), "t6");
}

TEST(ArchiveJobs, FailurePassingThroughStillFreesEverythingAndRestoresAttributes) {
  TempFolder dir;
  WriteFileBytes(dir / "tex\\detail1.bmp", TextBytes(2000));
  ASSERT_TRUE(files::ArchiveAdd(dir / "backup.zip", dir / "tex", nullptr, "detail1.bmp"));
  Bytes before = ReadFileBytes(dir / "backup.zip");
  SetAttributes(dir / "backup.zip", RO | HID | ARC);
  // Another program reads the archive and does not let it be replaced: the commit fails with 36.
  HANDLE reader = CreateFileW(core::Widen(dir / "backup.zip").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  WriteFileBytes(dir / "tex\\more.bmp", "more");
  WatchedBar watched;
  int code = -1;
  try {
    files::ArchiveAdd(dir / "backup.zip", dir / "tex", &watched.bar, "more.bmp");
  } catch (const files::EZAException& e) {
    code = e.code();
  }
  CloseHandle(reader);
  EXPECT_EQ(code, 36);
  EXPECT_EQ(files::CurrentZipCtrl(), nullptr);
  ASSERT_FALSE(watched.texts.empty());
  EXPECT_EQ(watched.texts.front(), " 0 %");
  EXPECT_EQ(watched.bar.SimpleText(), "");
  EXPECT_EQ(Attributes(dir / "backup.zip"), RO | HID | ARC);
  EXPECT_EQ(ReadFileBytes(dir / "backup.zip"), before);
  EXPECT_EQ(ListTree(dir.path()), (std::vector<std::string>{"backup.zip", "tex/", "tex/detail1.bmp", "tex/more.bmp"}));
}

TEST(ArchiveJobs, AFolderInThePlaceOfTheArchiveIsRefusedAndKeepsItsAttributes) {
  TempFolder dir;
  CreateDirectoryW(core::Widen(dir / "backup.zip").c_str(), nullptr);
  SetAttributes(dir / "backup.zip", FILE_ATTRIBUTE_DIRECTORY | HID);
  WriteFileBytes(dir / "tex\\detail1.bmp", "x");
  int code = -1;
  try {
    files::ArchiveAdd(dir / "backup.zip", dir / "tex", nullptr, "detail1.bmp");
  } catch (const files::EZAException& e) {
    code = e.code();
  }
  EXPECT_EQ(code, 33);
  EXPECT_EQ(Attributes(dir / "backup.zip"), static_cast<uint32_t>(FILE_ATTRIBUTE_DIRECTORY | HID));
}

TEST(ArchiveJobs, FileFailureAnsweredInTheQuestionDoesNotReachTheCaller) {
  TempFolder dir;
  Bytes data = TextBytes(300);
  WriteFileBytes(dir / "Pratilo.bin", BuildZip({{"T3_256.bmp", data, 0, 0, Crc(data) + 1}}));
  WriteFileBytes(dir / "tex\\T3_256.bmp", "previous");
  WatchedBar watched;
  DialogAnswerer answerer(L"Confirmation", IDABORT);
  EXPECT_TRUE(files::ArchiveExtract(dir / "Pratilo.bin", dir / "tex", &watched.bar, "T3_256.bmp"));
  EXPECT_EQ(answerer.Finish().size(), 1u);
  EXPECT_EQ(ReadFileBytes(dir / "tex\\T3_256.bmp"), "previous");
  EXPECT_EQ(watched.bar.SimpleText(), "");
}

TEST(ArchiveJobs, DamagedDataReachesTheCallerWithoutAQuestion) {
  TempFolder dir;
  Bytes data = TextBytes(3000);
  Bytes deflated = RawDeflate(data);
  deflated[0] = '\xFF';  // block type 3 does not exist: zlib reports a data error
  WriteFileBytes(dir / "backup.zip", BuildZip({{"detail1.bmp", deflated, 8, 0, Crc(data), data.size()}}));
  WriteFileBytes(dir / "tex\\detail1.bmp", "installed texture");
  WatchedBar watched;
  DialogAnswerer answerer(L"Confirmation", IDIGNORE);
  int code = -1;
  try {
    files::ArchiveExtract(dir / "backup.zip", dir / "tex", &watched.bar, "detail1.bmp");
  } catch (const files::EZAException& e) {
    code = e.code();
  }
  EXPECT_TRUE(answerer.Finish().empty());
  EXPECT_EQ(code, 35);
  EXPECT_EQ(ReadFileBytes(dir / "tex\\detail1.bmp"), "installed texture");
  EXPECT_EQ(watched.bar.SimpleText(), "");
  EXPECT_EQ(files::CurrentZipCtrl(), nullptr);
}
