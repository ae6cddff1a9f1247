#include "Resample.h"

#include <cmath>
#include <stdexcept>

#include <gtest/gtest.h>

namespace artgen {
namespace {

Color Mean(const FloatImage& image) {
  Color sum;
  for (const Color& c : image.pixels) sum = sum + c;
  return sum * (1.0f / float(image.pixels.size()));
}

FloatImage Checker(int size) {
  FloatImage image(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) image.At(x, y) = (x + y) % 2 ? Color{1, 0.5f, 0} : Color{0, 0.5f, 1};
  return image;
}

TEST(HalveTiling, KeepsTheMeanAndFlattensAFinePattern) {
  FloatImage half = HalveTiling(Checker(16));
  ASSERT_EQ(half.width, 8);
  ASSERT_EQ(half.height, 8);
  for (const Color& c : half.pixels) {
    EXPECT_NEAR(c.r, 0.5f, 1e-5f);
    EXPECT_NEAR(c.g, 0.5f, 1e-5f);
    EXPECT_NEAR(c.b, 0.5f, 1e-5f);
  }
}

TEST(HalveTiling, WrapsAroundTheEdgesInBothDirections) {
  // A bright first column must reach the last column of the result too, as the tile repeats.
  FloatImage image(8, 8);
  for (int y = 0; y < 8; ++y) image.At(0, y) = {1, 1, 1};
  FloatImage half = HalveTiling(image);
  EXPECT_GT(half.At(3, 2).r, 0.1f);
  EXPECT_NEAR(half.At(3, 2).r, half.At(0, 2).r / 3, 1e-5f);  // taps 1/8 and 3/8
  EXPECT_FLOAT_EQ(half.At(1, 2).r, 0.0f);
  EXPECT_NEAR(Mean(half).r, Mean(image).r, 1e-5f);
  // Same across the top and bottom rows.
  FloatImage rows(8, 8);
  for (int x = 0; x < 8; ++x) rows.At(x, 7) = {0, 0, 1};
  FloatImage halfRows = HalveTiling(rows);
  EXPECT_GT(halfRows.At(2, 0).b, 0.1f);
  EXPECT_NEAR(halfRows.At(2, 0).b, halfRows.At(2, 3).b / 3, 1e-5f);
}

TEST(HalveTiling, RefusesOddOrTinyImages) {
  EXPECT_THROW(HalveTiling(FloatImage(7, 8)), std::invalid_argument);
  EXPECT_THROW(HalveTiling(FloatImage(8, 5)), std::invalid_argument);
  EXPECT_THROW(HalveTiling(FloatImage(1, 1)), std::invalid_argument);
}

TEST(SampleBilinear, HitsTexelCentresAndBlendsAcrossTheSeam) {
  FloatImage image(4, 4);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y) image.At(x, y) = {float(x) / 3, float(y) / 3, 0};
  EXPECT_NEAR(SampleBilinear(image, 1.5f / 4, 2.5f / 4).r, 1.0f / 3, 1e-5f);
  EXPECT_NEAR(SampleBilinear(image, 1.5f / 4, 2.5f / 4).g, 2.0f / 3, 1e-5f);
  // On the seam, halfway between the last texel (1) and the first (0).
  EXPECT_NEAR(SampleBilinear(image, 0.0f, 0.5f / 4).r, 0.5f, 1e-5f);
  EXPECT_NEAR(SampleBilinear(image, 1.0f, 0.5f / 4).r, 0.5f, 1e-5f);
  EXPECT_NEAR(SampleBilinear(image, -3.0f + 1.5f / 4, 0.5f / 4).r, 1.0f / 3, 1e-4f);
}

TEST(MipChain, ChoosesSharpOrAveragedLevelsByFootprint) {
  MipChain chain(Checker(64));
  EXPECT_EQ(chain.BaseSize(), 64);
  // Less than a texel: the texel itself.
  Color sharp = chain.Sample(0.5f / 64, 0.5f / 64, 0.25f / 64);
  EXPECT_NEAR(sharp.b, 1.0f, 1e-4f);
  // Many texels: the mean of the pattern.
  Color wide = chain.Sample(0.3f, 0.6f, 16.0f / 64);
  EXPECT_NEAR(wide.r, 0.5f, 1e-3f);
  EXPECT_NEAR(wide.b, 0.5f, 1e-3f);
  // Far out on a ground plane the coordinates grow large; sampling still works.
  Color far = chain.Sample(12345.0f + 0.5f / 64, -777.0f + 0.5f / 64, 0.1f / 64);
  EXPECT_NEAR(far.b, 1.0f, 0.1f);
}

}  // namespace
}  // namespace artgen
