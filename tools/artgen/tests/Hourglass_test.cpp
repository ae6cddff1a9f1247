#include "Hourglass.h"

#include <gtest/gtest.h>

namespace artgen {
namespace {

struct Px {
  int r, g, b;
};
Px At(const RgbImage& image, int x, int y) {
  const std::uint8_t* p = &image.rgb[(std::size_t(y) * image.width + x) * 3];
  return {p[0], p[1], p[2]};
}
bool Magenta(Px p) { return p.r == 255 && p.g == 0 && p.b == 255; }
bool Red(Px p) { return p.r > 100 && p.g < 40 && p.b < 40; }
bool Grey(Px p) { return p.r == p.g && p.g == p.b && p.r > 60 && p.r < 230; }

int Drawn(const RgbImage& image, int y) {
  int n = 0;
  for (int x = 0; x < image.width; ++x) n += !Magenta(At(image, x, y));
  return n;
}

TEST(Hourglass, IsThirtyTwoSquareOnAMagentaKey) {
  RgbImage h = Hourglass();
  ASSERT_EQ(h.width, 32);
  ASSERT_EQ(h.height, 32);
  ASSERT_EQ(h.rgb.size(), 32u * 32 * 3);
  // The bottom-left pixel gives the colour drawn transparent: it must be the key.
  for (auto [x, y] : {std::pair{0, 31}, {0, 0}, {31, 0}, {31, 31}, {15, 0}, {0, 16}}) {
    EXPECT_TRUE(Magenta(At(h, x, y))) << x << "," << y;
  }
}

TEST(Hourglass, HasRedCapsAndGreyGlassWithANarrowWaist) {
  RgbImage h = Hourglass();
  EXPECT_TRUE(Red(At(h, 15, 3)));   // top cap
  EXPECT_TRUE(Red(At(h, 15, 28)));  // bottom cap
  EXPECT_TRUE(Grey(At(h, 15, 9)));  // upper bulb
  EXPECT_TRUE(Grey(At(h, 15, 16)));  // waist
  EXPECT_LT(Drawn(h, 15), Drawn(h, 8) / 2);
  EXPECT_LT(Drawn(h, 16), Drawn(h, 23) / 2);
  EXPECT_GT(Drawn(h, 15), 0) << "the glass is one piece";
}

TEST(Hourglass, IsSymmetricLeftToRightAndUsesNoBlendedKeyColours) {
  RgbImage h = Hourglass();
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 16; ++x) {
      Px a = At(h, x, y), b = At(h, 31 - x, y);
      ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << x << "," << y;
      // Anti-aliasing against the key would leave pink fringes around the picture.
      if (!Magenta(a)) {
        EXPECT_FALSE(a.r > 200 && a.b > 200 && a.g < 100) << x << "," << y;
      }
    }
}

}  // namespace
}  // namespace artgen
