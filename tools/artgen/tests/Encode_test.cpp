#include "Encode.h"

#include <gtest/gtest.h>

#include "JpegDecode.h"

namespace artgen {
namespace {

std::uint32_t Read32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t Read16(const Bytes& b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }

RgbImage Gradient(int w, int h) {
  RgbImage image{w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.rgb.insert(image.rgb.end(), {std::uint8_t(x * 10 + 1), std::uint8_t(y * 20 + 2), 77});
  return image;
}

TEST(Bmp24, HeadersDescribeABottomUpUncompressedBitmap) {
  for (int width : {1, 2, 3, 4, 5, 16}) {
    Bytes b = EncodeBmp24(Gradient(width, 3));
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    SCOPED_TRACE(width);
    ASSERT_EQ(b.size(), 54 + stride * 3);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Read32(b, 2), b.size());
    EXPECT_EQ(Read32(b, 10), 54u);          // pixel data offset
    EXPECT_EQ(Read32(b, 14), 40u);          // BITMAPINFOHEADER
    EXPECT_EQ(Read32(b, 18), std::uint32_t(width));
    EXPECT_EQ(int32_t(Read32(b, 22)), 3);   // positive height: bottom-up
    EXPECT_EQ(Read16(b, 26), 1);
    EXPECT_EQ(Read16(b, 28), 24);
    EXPECT_EQ(Read32(b, 30), 0u);           // BI_RGB
    EXPECT_EQ(Read32(b, 34), stride * 3);
  }
}

TEST(Bmp24, StoresRowsBottomUpInBgrOrderWithZeroPadding) {
  RgbImage image = Gradient(3, 2);  // 9 bytes a row, padded to 12
  Bytes b = EncodeBmp24(image);
  // First stored row is the image's bottom row (y = 1).
  EXPECT_EQ(b[54], 77);      // blue of (0, 1)
  EXPECT_EQ(b[55], 22);      // green
  EXPECT_EQ(b[56], 1);       // red
  EXPECT_EQ(b[54 + 6 + 2], 21);  // red of (2, 1)
  for (int pad = 9; pad < 12; ++pad) EXPECT_EQ(b[54 + pad], 0);
  // Second stored row is the top row (y = 0).
  EXPECT_EQ(b[54 + 12 + 1], 2);
  EXPECT_EQ(b[54 + 12 + 2], 1);
}

TEST(Bmp32, KeepsStraightAlphaAndBgraOrderBottomUp) {
  RgbaImage image(2, 2);
  const std::uint8_t top[4] = {255, 10, 20, 128};  // half-covered pure red must stay 255, not 128
  std::copy(top, top + 4, image.At(1, 0));
  Bytes b = EncodeBmp32(image);
  ASSERT_EQ(b.size(), 54u + 16u);
  EXPECT_EQ(Read16(b, 28), 32);
  EXPECT_EQ(Read32(b, 30), 0u);
  EXPECT_EQ(Read32(b, 34), 16u);
  EXPECT_EQ(int32_t(Read32(b, 22)), 2);
  const std::size_t at = 54 + 8 + 4;  // second stored row (top), second pixel
  EXPECT_EQ(b[at + 0], 20);
  EXPECT_EQ(b[at + 1], 10);
  EXPECT_EQ(b[at + 2], 255);
  EXPECT_EQ(b[at + 3], 128);
  for (std::size_t i = 54; i < 54 + 8; ++i) EXPECT_EQ(b[i], 0) << "bottom row stays transparent";
}

TEST(Jpeg, DecodesToTheSameSizeAndCloseColours) {
  // Odd sizes exercise the partial blocks at the right and bottom.
  RgbImage image{37, 21, {}};
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      bool left = x < 18;
      image.rgb.insert(image.rgb.end(), {std::uint8_t(left ? 200 : 30), std::uint8_t(left ? 40 : 160), 90});
    }
  Bytes data = EncodeJpeg(image, 90);
  ASSERT_GE(data.size(), 4u);
  EXPECT_EQ(data[0], 0xFF);
  EXPECT_EQ(data[1], 0xD8);
  EXPECT_EQ(data[data.size() - 2], 0xFF);
  EXPECT_EQ(data[data.size() - 1], 0xD9);
  RgbImage d = DecodeJpeg(data);
  ASSERT_EQ(d.width, 37);
  ASSERT_EQ(d.height, 21);
  // Away from the colour edge, each pixel stays within a few levels of the source.
  for (int y = 0; y < 21; ++y)
    for (int x : {2, 10, 26, 34}) {
      for (int k = 0; k < 3; ++k) {
        std::size_t i = (std::size_t(y) * 37 + x) * 3 + k;
        EXPECT_NEAR(d.rgb[i], image.rgb[i], 8) << x << "," << y << " channel " << k;
      }
    }
}

}  // namespace
}  // namespace artgen
