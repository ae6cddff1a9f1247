#include "app/commandline/RunLog.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

TEST(RunLog, LinesCarryTheirPaddedTimeAndFollowEachOtherInUtf8) {
  SYSTEMTIME t{};
  t.wYear = 2026, t.wMonth = 1, t.wDay = 8, t.wHour = 7, t.wMinute = 5, t.wSecond = 9;
  EXPECT_EQ(app::LogLine(t, "Pratilo: terminé (0)"), "2026-01-08 07:05:09  Pratilo: terminé (0)\r\n");

  testing_support::TempFolder temp;
  const std::string path = temp.path() + "journal é.log";
  app::RunLog log(path);
  ASSERT_TRUE(log.Write("première"));
  ASSERT_TRUE(log.Write("second"));
  const std::string text = testing_support::ReadFileBytes(path);
  ASSERT_EQ(text.size(), 2 * 21 + std::string("première\r\nsecond\r\n").size());
  EXPECT_EQ(text.substr(21, std::string("première\r\n").size()), "première\r\n");
  EXPECT_EQ(text.substr(text.size() - 8), "second\r\n");
  EXPECT_FALSE(app::RunLog(temp.path() + "no such folder\\x.log").Write("lost"));
}

}  // namespace
