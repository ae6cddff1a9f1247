#include "Grass.h"

#include <cmath>

#include <gtest/gtest.h>

#include "Resample.h"

namespace artgen {
namespace {

float Difference(Color a, Color b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

// Where the wrap-around seam (last column beside the first, last row beside the first) lies
// between ordinary neighbours (0) and pixels half a tile apart (1). Near 0 when the image tiles.
float SeamScore(const FloatImage& image) {
  double seam = 0, near = 0, apart = 0;
  const int w = image.width, h = image.height;
  for (int y = 0; y < h; ++y) {
    seam += Difference(image.At(w - 1, y), image.At(0, y));
    for (int x = 0; x + 1 < w; ++x) near += Difference(image.At(x, y), image.At(x + 1, y)) / (w - 1);
    for (int x = 0; x < w / 2; ++x) apart += Difference(image.At(x, y), image.At(x + w / 2, y)) / (w / 2);
  }
  for (int x = 0; x < w; ++x) {
    seam += Difference(image.At(x, h - 1), image.At(x, 0));
    for (int y = 0; y + 1 < h; ++y) near += Difference(image.At(x, y), image.At(x, y + 1)) / (h - 1);
    for (int y = 0; y < h / 2; ++y) apart += Difference(image.At(x, y), image.At(x, y + h / 2)) / (h / 2);
  }
  return float((seam - near) / (apart - near));
}

FloatImage Crop(const FloatImage& image, int size) {
  FloatImage out(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) out.At(x, y) = image.At(x, y);
  return out;
}

Color Mean(const FloatImage& image) {
  Color sum;
  for (const Color& c : image.pixels) sum = sum + c;
  return sum * (1.0f / float(image.pixels.size()));
}

TEST(Grass, EveryVariationTilesSeamlesslyAtEverySize) {
  for (std::size_t v = 0; v < GrassStyles().size(); ++v) {
    FloatImage full = MakeGrass(GrassStyles()[v], 256);
    SCOPED_TRACE(v + 1);
    EXPECT_LT(SeamScore(full), 0.3f);
    EXPECT_LT(SeamScore(HalveTiling(full)), 0.3f);
    EXPECT_LT(SeamScore(HalveTiling(HalveTiling(full))), 0.3f);
    // The measure does see a cut: a corner of the same texture, whose edges were never neighbours.
    EXPECT_GT(SeamScore(Crop(full, 128)), 0.45f);
  }
}

TEST(Grass, IsReproducible) {
  const GrassStyle& style = GrassStyles()[1];
  FloatImage a = MakeGrass(style, 64), b = MakeGrass(style, 64);
  ASSERT_EQ(a.pixels.size(), b.pixels.size());
  for (std::size_t i = 0; i < a.pixels.size(); ++i) ASSERT_EQ(Difference(a.pixels[i], b.pixels[i]), 0.0f) << i;
}

TEST(Grass, VariationsDifferInColour) {
  Color means[5];
  for (int v = 0; v < 5; ++v) {
    means[v] = Mean(MakeGrass(GrassStyles()[v], 128));
    // Grass: green or straw, never grey, never oversaturated.
    EXPECT_GT(means[v].g, means[v].b + 0.05f) << v + 1;
    EXPECT_GT(means[v].g, 0.15f) << v + 1;
    EXPECT_LT(means[v].g, 0.8f) << v + 1;
  }
  for (int a = 0; a < 5; ++a)
    for (int b = a + 1; b < 5; ++b) EXPECT_GT(Difference(means[a], means[b]), 0.05f) << a + 1 << " vs " << b + 1;
  // The dry pasture is the yellowest; the deep tufted grass the darkest, and bluer than the other greens.
  for (int v : {0, 1, 3, 4}) EXPECT_GT(means[2].r / means[2].g, means[v].r / means[v].g) << v + 1;
  for (int v : {0, 1, 2, 4}) EXPECT_LT(means[3].g, means[v].g) << v + 1;
  for (int v : {0, 1, 4}) EXPECT_GT(means[3].b / means[3].g, means[v].b / means[v].g) << v + 1;
}

TEST(Grass, HasFineDetailNotJustSmoothPatches) {
  // Blades make neighbouring pixels differ; a smooth colour field alone would not.
  for (const GrassStyle& style : GrassStyles()) {
    FloatImage image = MakeGrass(style, 256);
    double sum = 0;
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x + 1 < 256; ++x) sum += Difference(image.At(x, y), image.At(x + 1, y));
    EXPECT_GT(sum / (256 * 255), 0.04) << style.seed;
  }
}

}  // namespace
}  // namespace artgen
