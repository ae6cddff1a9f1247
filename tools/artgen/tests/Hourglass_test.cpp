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

// The middle pixel of a design pixel at the given scale.
int Mid(int design, int scale) { return design * scale + scale / 2; }

TEST(Hourglass, IsSquareOnAMagentaKeyAtEachSize) {
  for (int s : {1, 2}) {
    RgbImage h = Hourglass(s);
    const int n = 32 * s;
    ASSERT_EQ(h.width, n);
    ASSERT_EQ(h.height, n);
    ASSERT_EQ(h.rgb.size(), std::size_t(n) * n * 3);
    // The bottom-left pixel gives the colour drawn transparent: it must be the key.
    for (auto [x, y] : {std::pair{0, n - 1}, {0, 0}, {n - 1, 0}, {n - 1, n - 1}, {n / 2 - 1, 0}, {0, n / 2}}) {
      EXPECT_TRUE(Magenta(At(h, x, y))) << x << "," << y << " scale " << s;
    }
  }
}

TEST(Hourglass, HasRedCapsAndGreyGlassWithANarrowWaistAtEachSize) {
  for (int s : {1, 2}) {
    RgbImage h = Hourglass(s);
    EXPECT_TRUE(Red(At(h, Mid(15, s), Mid(3, s)))) << s;   // top cap
    EXPECT_TRUE(Red(At(h, Mid(15, s), Mid(28, s)))) << s;  // bottom cap
    EXPECT_TRUE(Grey(At(h, Mid(15, s), Mid(9, s)))) << s;  // upper bulb
    EXPECT_TRUE(Grey(At(h, Mid(15, s), Mid(16, s)))) << s;  // waist
    EXPECT_LT(Drawn(h, Mid(15, s)), Drawn(h, Mid(8, s)) / 2) << s;
    EXPECT_LT(Drawn(h, Mid(16, s)), Drawn(h, Mid(23, s)) / 2) << s;
    EXPECT_GT(Drawn(h, Mid(15, s)), 0) << "the glass is one piece, scale " << s;
  }
}

TEST(Hourglass, IsSymmetricLeftToRightAndUsesNoBlendedKeyColoursAtEachSize) {
  for (int s : {1, 2}) {
    RgbImage h = Hourglass(s);
    const int n = 32 * s;
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n / 2; ++x) {
        Px a = At(h, x, y), b = At(h, n - 1 - x, y);
        ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << x << "," << y << " scale " << s;
        // Anti-aliasing against the key would leave pink fringes around the picture.
        if (!Magenta(a)) {
          EXPECT_FALSE(a.r > 200 && a.b > 200 && a.g < 100) << x << "," << y << " scale " << s;
        }
      }
  }
}

// Hard edges at both sizes: each 2x2 block of the larger drawing holds its design pixel's colour, and
// all but the blocks along the curved outline (which follows its curve more finely, measured 72 of
// 1024) are that colour alone. Moved by a single pixel of the larger drawing, every vertical edge of
// the caps and the glass would split its blocks too (over 100 more).
TEST(Hourglass, AtTwiceTheSizeKeepsEveryPartInPlace) {
  RgbImage one = Hourglass(1), two = Hourglass(2);
  int uniform = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      Px q = At(one, x, y);
      int same = 0;
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
          Px p = At(two, 2 * x + i, 2 * y + j);
          same += p.r == q.r && p.g == q.g && p.b == q.b;
        }
      EXPECT_GT(same, 0) << x << "," << y;
      uniform += same == 4;
    }
  EXPECT_GE(uniform, 1024 * 9 / 10);
}

}  // namespace
}  // namespace artgen
