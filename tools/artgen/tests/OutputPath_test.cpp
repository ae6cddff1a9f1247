#include "OutputPath.h"

#include <gtest/gtest.h>

namespace artgen {
namespace {

TEST(ToWindowsPath, MapsHostPathsToDriveZAndKeepsWindowsPaths) {
  const struct {
    const wchar_t* in;
    const wchar_t* out;
  } cases[] = {
      {L"/work/build/artwork", L"Z:\\work\\build\\artwork"},
      {L"/", L"Z:\\"},
      {L"C:\\Temp\\art", L"C:\\Temp\\art"},
      {L"C:/Temp/art", L"C:\\Temp\\art"},
      {L"//server/share", L"\\\\server\\share"},
      {L"art/out", L"art\\out"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ToWindowsPath(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace artgen
