#include "Glyphs.h"

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

namespace artgen {
namespace {

int Alpha(const RgbaImage& image, int x, int y) { return image.At(x, y)[3]; }

int CountAlpha(const RgbaImage& image, bool (*pick)(int)) {
  int n = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) n += pick(Alpha(image, x, y));
  return n;
}

bool Partial(int a) { return a > 0 && a < 255; }
bool Opaque(int a) { return a == 255; }
bool Red(const std::uint8_t* p) { return p[0] > 140 && p[1] < 90 && p[2] < 90; }
bool White(const std::uint8_t* p) { return p[0] > 230 && p[1] > 230 && p[2] > 230; }

TEST(RenderCoverage, GivesCoveredShareAsAlphaAndKeepsColourStraight) {
  // Left 1.25 pixels covered in pure red.
  RgbaImage image = RenderCoverage([](float x, float) -> std::optional<Color> {
    if (x < 1.25f) return Color{1, 0, 0};
    return std::nullopt;
  }, 3, 1, 8);
  EXPECT_EQ(Alpha(image, 0, 0), 255);
  EXPECT_EQ(Alpha(image, 1, 0), 64);   // a quarter covered
  EXPECT_EQ(image.At(1, 0)[0], 255);   // colour not darkened by the coverage
  EXPECT_EQ(Alpha(image, 2, 0), 0);
  EXPECT_EQ(image.At(2, 0)[0], 0);
}

TEST(Glyphs, AreSquareWithTransparentCornersAndSoftEdgesAtEachSize) {
  for (int scale : {1, 2}) {
    const RgbaImage glyphs[] = {GlyphNext(scale), GlyphPrevious(scale), GlyphQuit(scale), GlyphUninstall(scale)};
    const int n = 16 * scale;
    for (const RgbaImage& g : glyphs) {
      ASSERT_EQ(g.width, n);
      ASSERT_EQ(g.height, n);
      for (auto [x, y] : {std::pair{0, 0}, {n - 1, 0}, {0, n - 1}, {n - 1, n - 1}}) EXPECT_EQ(Alpha(g, x, y), 0);
      // Edges are anti-aliased; their length in pixels grows with the scale, the solid area with its square.
      EXPECT_GT(CountAlpha(g, Partial), 6 * scale) << "scale " << scale;
      EXPECT_GT(CountAlpha(g, Opaque), 12 * scale * scale) << "scale " << scale;
    }
  }
}

TEST(Glyphs, ArrowsPointOppositeWaysAndAreRed) {
  RgbaImage next = GlyphNext(), previous = GlyphPrevious();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      for (int k = 0; k < 4; ++k) ASSERT_EQ(next.At(x, y)[k], previous.At(15 - x, y)[k]);
  // Pointing right: the covered height shrinks from the left side towards the tip.
  auto columnCover = [&](int x) {
    int sum = 0;
    for (int y = 0; y < 16; ++y) sum += Alpha(next, x, y);
    return sum;
  };
  EXPECT_GT(columnCover(5), columnCover(9));
  EXPECT_GT(columnCover(9), columnCover(12));
  EXPECT_EQ(columnCover(1), 0);
  EXPECT_TRUE(Red(next.At(7, 8)));
  EXPECT_EQ(Alpha(next, 7, 8), 255);
}

TEST(Glyphs, QuitIsAWhiteCrossOnARedSquare) {
  RgbaImage quit = GlyphQuit();
  EXPECT_TRUE(White(quit.At(7, 7)));
  EXPECT_TRUE(White(quit.At(5, 5)) || White(quit.At(6, 6)));
  EXPECT_TRUE(Red(quit.At(8, 3)));  // between the arms of the cross
  EXPECT_TRUE(Red(quit.At(3, 8)));
  EXPECT_EQ(Alpha(quit, 8, 3), 255);
}

TEST(Glyphs, UninstallIsAThinCrossWithSeeThroughGaps) {
  RgbaImage cross = GlyphUninstall();
  EXPECT_TRUE(Red(cross.At(7, 7)) || Red(cross.At(8, 8)));
  EXPECT_EQ(Alpha(cross, 8, 3), 0);  // no square behind it
  EXPECT_EQ(Alpha(cross, 3, 8), 0);
  EXPECT_LT(CountAlpha(cross, Opaque), 60) << "thin";
}

TEST(Flags, FillAnOpaqueCentredBandAndNothingElseAtEachSize) {
  for (int s : {1, 2})
    for (const RgbaImage& flag : {FlagFrench(s), FlagEnglish(s)}) {
      ASSERT_EQ(flag.width, 16 * s);
      ASSERT_EQ(flag.height, 16 * s);
      for (int y = 0; y < 16 * s; ++y)
        for (int x = 0; x < 16 * s; ++x)
          EXPECT_EQ(Alpha(flag, x, y), (y >= 2 * s && y < 13 * s) ? 255 : 0) << x << "," << y << " scale " << s;
    }
}

TEST(Flags, ShowTheirColoursInPlace) {
  RgbaImage fr = FlagFrench();
  const std::uint8_t* left = fr.At(1, 7);
  const std::uint8_t* right = fr.At(14, 7);
  EXPECT_GT(left[2], 120);
  EXPECT_LT(left[0], 40);
  EXPECT_TRUE(White(fr.At(8, 7)));
  EXPECT_TRUE(Red(right));

  RgbaImage en = FlagEnglish();
  // American half: dark blue canton top left, red and white stripes below it.
  EXPECT_GT(en.At(0, 2)[2], en.At(0, 2)[0] + 40);
  EXPECT_TRUE(Red(en.At(3, 12)));
  EXPECT_TRUE(White(en.At(3, 11)));
  // British half: all of blue, red and white appear.
  int blue = 0, red = 0, white = 0;
  for (int y = 2; y < 13; ++y)
    for (int x = 8; x < 16; ++x) {
      const std::uint8_t* p = en.At(x, y);
      blue += p[2] > 80 && p[0] < 60;
      red += Red(p);
      white += White(p);
    }
  EXPECT_GT(blue, 8);
  EXPECT_GT(red, 8);
  EXPECT_GT(white, 4);
}

// Each 2x2 block of the twice-size drawing, averaged, against its design-size pixel. The two sizes sample
// edges on different grids (8 and 16 samples per design unit), which moves a pixel's alpha by a few
// levels (measured at most 5, mean at most 1.1); half a design pixel out of place moves edge pixels by
// about 128, and a whole pixel by up to 255.
TEST(Glyphs, AtTwiceTheSizeCoverWhatTheDesignSizeCovers) {
  constexpr int kMaxAlpha = 16;  // half of one row of the design size's 8 x 8 samples
  constexpr double kMeanAlpha = 2, kMeanColour = 2;
  const struct {
    const char* name;
    RgbaImage (*draw)(int);
  } glyphs[] = {{"next", GlyphNext}, {"previous", GlyphPrevious}, {"quit", GlyphQuit},
                {"uninstall", GlyphUninstall}, {"French", FlagFrench}, {"English", FlagEnglish}};
  for (const auto& glyph : glyphs) {
    RgbaImage one = glyph.draw(1), two = glyph.draw(2);
    ASSERT_EQ(two.width, 32);
    ASSERT_EQ(two.height, 32);
    double alphaSum = 0, colourSum = 0;
    int alphaMax = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        int alpha = 0, colour[3] = {};
        for (int j = 0; j < 2; ++j)
          for (int i = 0; i < 2; ++i) {
            const std::uint8_t* p = two.At(2 * x + i, 2 * y + j);
            alpha += p[3];
            for (int k = 0; k < 3; ++k) colour[k] += p[k] * p[3];
          }
        const std::uint8_t* q = one.At(x, y);
        int d = std::abs((alpha + 2) / 4 - q[3]);
        alphaSum += d;
        alphaMax = std::max(alphaMax, d);
        for (int k = 0; k < 3; ++k) colourSum += std::abs(colour[k] / 4.0 - q[k] * q[3]) / 255.0;
      }
    EXPECT_LE(alphaMax, kMaxAlpha) << glyph.name;
    EXPECT_LT(alphaSum / 256, kMeanAlpha) << glyph.name;
    // Colour weighted by alpha, so that transparent pixels do not count.
    EXPECT_LT(colourSum / 768, kMeanColour) << glyph.name;
  }
}

}  // namespace
}  // namespace artgen
