#include "ui/base/ImageResize.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// An image from 0xAARRGGBB pixels, row by row.
ui::Image Pixels(int width, int height, const std::vector<uint32_t>& argb) {
  ui::Image image{width, height, std::vector<uint8_t>(argb.size() * 4)};
  for (size_t i = 0; i < argb.size(); ++i)
    for (int k = 0; k < 4; ++k) image.bgra[i * 4 + k] = static_cast<uint8_t>(argb[i] >> (8 * k));
  return image;
}

std::vector<uint32_t> Row(const ui::Image& image, int y) {
  std::vector<uint32_t> row;
  for (int x = 0; x < image.width; ++x) row.push_back(image.Pixel(x, y));
  return row;
}

double MeanGreen(const ui::Image& image) {
  double sum = 0;
  for (size_t i = 1; i < image.bgra.size(); i += 4) sum += image.bgra[i];
  return sum / (static_cast<double>(image.width) * image.height);
}

TEST(ResizeImage, SameSizeIsAnExactCopyAndNothingComesFromNothing) {
  const ui::Image image = Pixels(2, 1, {0xFF102030, 0x80405060});
  EXPECT_EQ(ui::ResizeImage(image, 2, 1).bgra, image.bgra);
  EXPECT_TRUE(ui::ResizeImage(ui::Image{}, 4, 4).Empty());
  EXPECT_TRUE(ui::ResizeImage(image, 0, 4).Empty());
  EXPECT_TRUE(ui::ResizeImage(image, 4, -1).Empty());
}

TEST(ResizeImage, ShrinkingAveragesTheCoveredPixels) {
  EXPECT_EQ(Row(ui::ResizeImage(Pixels(4, 1, {0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF}), 2, 1), 0),
            (std::vector<uint32_t>{0xFF000000, 0xFFFFFFFF}));
  // A black and white checker becomes even grey (127.5 rounds up).
  const ui::Image checker = Pixels(2, 2, {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000});
  EXPECT_EQ(ui::ResizeImage(checker, 1, 1).Pixel(0, 0), 0xFF808080u);
  // Three pixels into two: each output takes one and a half, the middle one is shared.
  EXPECT_EQ(Row(ui::ResizeImage(Pixels(3, 1, {0xFF000000, 0xFF0000FF, 0xFF0000FF}), 2, 1), 0),
            (std::vector<uint32_t>{0xFF000055, 0xFF0000FF}));
}

TEST(ResizeImage, EnlargingInterpolatesAndKeepsTheEdgeColours) {
  EXPECT_EQ(Row(ui::ResizeImage(Pixels(2, 1, {0xFF000000, 0xFF0000FF}), 4, 1), 0),
            (std::vector<uint32_t>{0xFF000000, 0xFF000040, 0xFF0000BF, 0xFF0000FF}));
  // A plain colour stays exactly that colour, at any size.
  const ui::Image plain = Pixels(3, 3, std::vector<uint32_t>(9, 0xFF5E5E2A));
  for (auto [w, h] : {std::pair{5, 4}, {9, 9}, {4, 7}, {2, 2}, {1, 1}}) {
    const ui::Image resized = ui::ResizeImage(plain, w, h);
    ASSERT_EQ(resized.width, w);
    ASSERT_EQ(resized.height, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) EXPECT_EQ(resized.Pixel(x, y), 0xFF5E5E2Au) << w << "x" << h;
  }
}

// Transparent pixels carry no colour: a red edge next to them must stay red, not turn dark.
TEST(ResizeImage, TransparentPixelsLeaveNoDarkFringe) {
  const ui::Image edge = Pixels(2, 1, {0xFFFF0000, 0x00000000});
  EXPECT_EQ(ui::ResizeImage(edge, 1, 1).Pixel(0, 0), 0x80FF0000u);
  const ui::Image grown = ui::ResizeImage(edge, 4, 1);
  EXPECT_EQ(grown.Pixel(1, 0), 0xBFFF0000u);
  EXPECT_EQ(grown.Pixel(2, 0), 0x40FF0000u);
  EXPECT_EQ(grown.Pixel(3, 0), 0x00000000u);
}

// Over a whole picture, shrinking and enlarging keep its overall brightness: no shift, no lost row.
TEST(ResizeImage, KeepsTheMeanBrightnessAtOddRatios) {
  std::vector<uint32_t> noise;
  uint32_t state = 12345;
  for (int i = 0; i < 105 * 233; ++i) {
    state = state * 1103515245u + 12345u;
    noise.push_back(0xFF000000u | ((state >> 16) & 0xFF) << 8);
  }
  const ui::Image banner = Pixels(105, 233, noise);
  for (auto [w, h] : {std::pair{158, 350}, {131, 291}, {53, 117}, {210, 466}}) {
    const ui::Image resized = ui::ResizeImage(banner, w, h);
    EXPECT_NEAR(MeanGreen(resized), MeanGreen(banner), 1.0) << w << "x" << h;
  }
}

}  // namespace
