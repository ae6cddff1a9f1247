// Entry names as stored: the OEM code page when it can hold them, UTF-8 otherwise.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "support/ZipFixtures.h"

using namespace testing_support;
using files::EZAException;
using files::TZAAction;
using files::TZAProcessOperation;
using files::TZAProgressPhase;

TEST(ZipNames, NamesAreStoredInTheOemCodePageUnlessItCannotHoldThem) {
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
