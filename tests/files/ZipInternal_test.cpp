// File times as stored in entries: local DOS time from a UTC file time, and back.
#include "files/ZipInternal.h"

#include <windows.h>

#include <gtest/gtest.h>

using files::zip::DosTime;
using files::zip::DosTimeOf;
using files::zip::FileTimeOf;

namespace {

FILETIME UtcOfLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME st{};
  st.wYear = year;
  st.wMonth = month;
  st.wDay = day;
  st.wHour = hour;
  st.wMinute = minute;
  st.wSecond = second;
  FILETIME local{}, utc{};
  EXPECT_TRUE(SystemTimeToFileTime(&st, &local));
  EXPECT_TRUE(LocalFileTimeToFileTime(&local, &utc));
  return utc;
}

constexpr uint16_t Time(int hour, int minute, int second) { return static_cast<uint16_t>(hour << 11 | minute << 5 | second / 2); }
constexpr uint16_t Date(int year, int month, int day) { return static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day); }

}  // namespace

TEST(ZipInternal, OrdinaryFileTimesBecomeTheirLocalDosFields) {
  struct Case {
    WORD year, month, day, hour, minute, second;
  };
  // Every field differs from its neighbours, so a swapped or shifted field cannot go unnoticed.
  const Case cases[] = {
      {2013, 7, 15, 9, 41, 37}, {1985, 10, 26, 1, 21, 0}, {2024, 2, 29, 17, 3, 58},
      {1999, 12, 31, 23, 59, 59}, {2041, 4, 8, 12, 30, 14},
  };
  for (const auto& c : cases) {
    const FILETIME utc = UtcOfLocal(c.year, c.month, c.day, c.hour, c.minute, c.second);
    const DosTime dos = DosTimeOf(&utc);
    EXPECT_EQ(dos.time, Time(c.hour, c.minute, c.second)) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(dos.date, Date(c.year, c.month, c.day)) << c.year << "-" << c.month << "-" << c.day;

    // Back to a file time: the same moment, seconds rounded down to even.
    FILETIME back{};
    ASSERT_TRUE(FileTimeOf(dos, back));
    const FILETIME expected = UtcOfLocal(c.year, c.month, c.day, c.hour, c.minute, c.second & ~1);
    EXPECT_EQ(CompareFileTime(&back, &expected), 0) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(ZipInternal, MissingFileTimeIsNowAndInvalidDosFieldsHaveNoFileTime) {
  auto localNow = [] {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    const DosTime d = files::zip::ToDosTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond});
    return uint32_t{d.date} << 16 | d.time;
  };
  const uint32_t before = localNow();
  const DosTime now = DosTimeOf(nullptr);
  const uint32_t after = localNow();
  EXPECT_GE(uint32_t{now.date} << 16 | now.time, before);
  EXPECT_LE(uint32_t{now.date} << 16 | now.time, after);

  FILETIME unused{};
  EXPECT_FALSE(FileTimeOf({0, Date(2001, 2, 29)}, unused));
  EXPECT_FALSE(FileTimeOf({Time(24, 0, 0), Date(2001, 1, 1)}, unused));
}
