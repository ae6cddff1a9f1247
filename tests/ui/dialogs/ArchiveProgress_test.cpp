// Archive jobs with a real status bar: percentages shown, cleared at the end, the question asked.
#include "ui/dialogs/ArchiveProgress.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "support/Gui.h"
#include "support/DialogAnswerer.h"
#include "support/ZipFixtures.h"
#include "ui/widgets/StatusBar.h"

using namespace testing_support;

namespace {

// Records every text the status bar is given while a job runs.
struct WatchedBar {
  Host host;
  ui::StatusBar bar;
  std::vector<std::string> texts;
  WatchedBar() {
    bar.Create({.parent = host.Handle(), .bounds = {0, 200, 400, 20}});
    SetWindowSubclass(bar.Handle(), Record, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~WatchedBar() { RemoveWindowSubclass(bar.Handle(), Record, 1); }
  static LRESULT CALLBACK Record(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (msg == SB_SETTEXTW) {
      reinterpret_cast<WatchedBar*>(self)->texts.push_back(core::Narrow(reinterpret_cast<const wchar_t*>(lp)));
    }
    return DefSubclassProc(h, msg, wp, lp);
  }
};

}  // namespace

TEST(ArchiveProgress, ProgressTextIsTheRoundedPercentBetweenBlanks) {
  EXPECT_EQ(ui::ProgressText(0), " 0 %");
  EXPECT_EQ(ui::ProgressText(45.6), " 46 %");
  EXPECT_EQ(ui::ProgressText(99.6), " 100 %");
  EXPECT_EQ(ui::ProgressText(100), " 100 %");
}

TEST(ArchiveProgress, AddShowsPercentagesThenClearsTheBar) {
  TempFolder dir;
  WriteFileBytes(dir / "tex\\detail1.bmp", NoiseBytes(0x80000 * 3 + 10));
  WatchedBar watched;
  ASSERT_TRUE(ui::ArchiveAdd(dir / "backup.zip", dir / "tex", &watched.bar, "detail1.bmp"));
  EXPECT_EQ(watched.texts, (std::vector<std::string>{" 0 %", " 33 %", " 67 %", " 100 %", " 100 %", " 100 %", ""}));
  EXPECT_EQ(watched.bar.SimpleText(), "");
}

TEST(ArchiveProgress, ExtractFromAMissingArchiveGivesFalseAndLeavesTheBarAlone) {
  TempFolder dir;
  WatchedBar watched;
  watched.bar.SetSimpleText("before");
  watched.texts.clear();
  EXPECT_FALSE(ui::ArchiveExtract(dir / "missing.zip", dir / "out", &watched.bar, "detail1.bmp"));
  EXPECT_TRUE(watched.texts.empty());
  EXPECT_EQ(watched.bar.SimpleText(), "before");
  EXPECT_FALSE(PathExists(dir / "out"));
}

TEST(ArchiveProgress, ExtractMatchingNothingShowsZeroThenHundredAndCreatesNothing) {
  TempFolder dir;
  MakeArchive(dir / "Pratilo.bin", {{"T1_1024.bmp", "t1"}, {"T6.bmp", "t6"}});
  WatchedBar watched;
  EXPECT_TRUE(ui::ArchiveExtract(dir / "Pratilo.bin", dir / "out", &watched.bar, "T2_512.bmp"));
  EXPECT_EQ(watched.texts, (std::vector<std::string>{" 0 %", " 100 %", ""}));
  EXPECT_FALSE(PathExists(dir / "out"));
  EXPECT_TRUE(ui::ArchiveExtract(dir / "Pratilo.bin", dir / "out", &watched.bar, "T6.bmp"));
  EXPECT_EQ(ReadFileBytes(dir / "out\\T6.bmp"), "t6");
}

TEST(ArchiveProgress, AFailurePassingThroughStillClearsTheBar) {
  TempFolder dir;
  WriteFileBytes(dir / "tex\\detail1.bmp", TextBytes(2000));
  ASSERT_TRUE(ui::ArchiveAdd(dir / "backup.zip", dir / "tex", nullptr, "detail1.bmp"));
  // Another program reads the archive and does not let it be replaced: the commit fails with 36.
  HANDLE reader = CreateFileW(core::Widen(dir / "backup.zip").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  WriteFileBytes(dir / "tex\\more.bmp", "more");
  WatchedBar watched;
  int code = -1;
  try {
    ui::ArchiveAdd(dir / "backup.zip", dir / "tex", &watched.bar, "more.bmp");
  } catch (const files::EZAException& e) {
    code = e.code();
  }
  CloseHandle(reader);
  EXPECT_EQ(code, 36);
  ASSERT_FALSE(watched.texts.empty());
  EXPECT_EQ(watched.texts.front(), " 0 %");
  EXPECT_EQ(watched.bar.SimpleText(), "");
}

TEST(ArchiveProgress, FileFailureAnsweredInTheQuestionDoesNotReachTheCaller) {
  TempFolder dir;
  Bytes data = TextBytes(300);
  WriteFileBytes(dir / "Pratilo.bin", BuildZip({{"T3_256.bmp", data, 0, 0, Crc(data) + 1}}));
  WriteFileBytes(dir / "tex\\T3_256.bmp", "previous");
  WatchedBar watched;
  DialogAnswerer answerer(L"Confirmation", IDABORT);
  EXPECT_TRUE(ui::ArchiveExtract(dir / "Pratilo.bin", dir / "tex", &watched.bar, "T3_256.bmp"));
  EXPECT_EQ(answerer.Finish().size(), 1u);
  EXPECT_EQ(ReadFileBytes(dir / "tex\\T3_256.bmp"), "previous");
  EXPECT_EQ(watched.bar.SimpleText(), "");
}

