#include "core/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, RoundTripsAccentsAndAstralCharacters) {
  const std::string samples[] = {"", "detail1.bmp", "Dossier principal de FS2004 : é à ç ©",
                                 "C:\\Jeux\\Flight Simulator 9\\", "\xF0\x9F\x9B\xA9 ultra-léger"};
  for (const auto& s : samples) EXPECT_EQ(core::Narrow(core::Widen(s)), s);
  EXPECT_EQ(core::Widen("\xC3\xA9"), L"\u00E9");
  EXPECT_EQ(core::Widen("\xF0\x9F\x9B\xA9").size(), 2u);  // surrogate pair
}
