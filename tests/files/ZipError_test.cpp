#include "files/ZipError.h"

#include <gtest/gtest.h>


using files::EZAException;
using files::FormatZipError;

TEST(ZipError, MessagesEndWithTheCodeInFiveDigits) {
  EXPECT_EQ(FormatZipError(9), "File name is blank. Specify appropriate file name - Native error: 00009");
  EXPECT_EQ(FormatZipError(0), "Unknown error - Native error: 00000");
  EXPECT_EQ(FormatZipError(55), "Deflate64 compression method is not supported - Native error: 00055");
  EXPECT_EQ(FormatZipError(37),
            "Archive is open. You should close it beore performing this operation. - Native error: 00037");
  EXPECT_EQ(FormatZipError(999), "Unknown error - Native error: 00999");
}

TEST(ZipError, HolesAreFilledAndTheComponentNameGoesInFront) {
  EXPECT_EQ(FormatZipError(19, {}, "C:\\x\\detail1.bmp"),
            "Cannot create file \"C:\\x\\detail1.bmp\" - Native error: 00019");
  EXPECT_EQ(FormatZipError(34, {}, "12", "7"), "Invalid compressed size, rfs.size = 12, count = 7 - Native error: 00034");
  EXPECT_EQ(FormatZipError(36, {}, "a.zip"),
            "Cannot create output file. Probably file is locked by another process. FileName = 'a.zip'. - Native error: 00036");
  EXPECT_EQ(FormatZipError(32, "Zip1"), "Zip1: File is open in read-only mode - Native error: 00032");
  EXPECT_EQ(FormatZipError(11), "File \"\" not found - Native error: 00011");
}

TEST(ZipError, ExceptionCarriesCodeAndText) {
  try {
    throw EZAException(8);
  } catch (const std::exception& e) {
    auto* z = dynamic_cast<const EZAException*>(&e);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->code(), 8);
    EXPECT_STREQ(e.what(), "Invalid size or check sum of file or unsupported compression format - Native error: 00008");
  }
}
