#include "ui/base/Image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "support/Bitmaps.h"

namespace {

ui::Image Gradient(int width, int height) {
  ui::Image image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = image.bgra.data() + (static_cast<size_t>(y) * width + x) * 4;
      p[0] = static_cast<uint8_t>(255 * x / (width - 1));   // blue grows to the right
      p[1] = static_cast<uint8_t>(255 * y / (height - 1));  // green grows downwards
      p[2] = 128;
      p[3] = 255;
    }
  return image;
}

int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

void ExpectNear(uint32_t actual, uint32_t expected, int tolerance) {
  for (int shift : {0, 8, 16, 24}) EXPECT_NEAR(Channel(actual, shift), Channel(expected, shift), tolerance) << shift;
}

TEST(Jpeg, RoundTripKeepsSizeAndColoursWithinCompressionLoss) {
  ui::Image source = Gradient(300, 200);
  std::string jpeg = ui::EncodeJpeg(source, 95);
  ASSERT_GT(jpeg.size(), 100u);
  EXPECT_EQ(static_cast<unsigned char>(jpeg[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(jpeg[1]), 0xD8);
  auto decoded = ui::DecodeJpeg(jpeg);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 300);
  EXPECT_EQ(decoded->height, 200);
  ASSERT_EQ(decoded->bgra.size(), 300u * 200 * 4);
  for (auto [x, y] : {std::pair{0, 0}, {299, 0}, {0, 199}, {299, 199}, {150, 100}, {37, 151}})
    ExpectNear(decoded->Pixel(x, y), source.Pixel(x, y), 8);
}

TEST(Jpeg, RejectsDataThatIsNoJpeg) {
  ui::Image source = Gradient(16, 16);
  std::string bmp = testing_support::EncodeBmp(source, 24, false);
  for (const std::string& data : {std::string(), std::string("\xFF\xD8"), std::string(1000, '\0'), bmp,
                                  std::string("\xFF\xD8\xFF\xE0garbage that ends here", 26)})
    EXPECT_FALSE(ui::DecodeJpeg(data)) << data.size();
}

TEST(Bmp, ReadsBottomUpAndTopDownIn24And32Bits) {
  ui::Image source = Gradient(5, 3);  // odd width: 24-bit rows carry padding
  source.bgra[3] = 0;                  // a transparent first pixel
  source.bgra[7] = 0x80;
  for (int bits : {24, 32})
    for (bool topDown : {false, true}) {
      auto decoded = ui::DecodeBmp(testing_support::EncodeBmp(source, bits, topDown));
      ASSERT_TRUE(decoded) << bits << topDown;
      EXPECT_EQ(decoded->width, 5);
      EXPECT_EQ(decoded->height, 3);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
          uint32_t expected = source.Pixel(x, y);
          if (bits == 24) expected |= 0xFF000000u;  // no alpha channel: opaque
          EXPECT_EQ(decoded->Pixel(x, y), expected) << bits << " " << topDown << " " << x << "," << y;
        }
    }
}

TEST(Bmp, RejectsTruncatedAndUnsupportedFiles) {
  std::string good = testing_support::EncodeBmp(Gradient(4, 4), 32, false);
  ASSERT_TRUE(ui::DecodeBmp(good));
  std::string truncated = good.substr(0, good.size() - 1);
  std::string eightBits = good;
  eightBits[28] = 8;
  std::string compressed = good;
  compressed[30] = 1;  // RLE
  std::string notBmp = good;
  notBmp[0] = 'X';
  std::string zeroWidth = good;
  zeroWidth[18] = zeroWidth[19] = zeroWidth[20] = zeroWidth[21] = 0;
  std::string offsetBeyond = good;
  offsetBeyond[10] = '\x7F';
  offsetBeyond[11] = '\x7F';
  for (const std::string& data : {truncated, eightBits, compressed, notBmp, zeroWidth, offsetBeyond, good.substr(0, 20)})
    EXPECT_FALSE(ui::DecodeBmp(data));
}

TEST(ReplaceKeyColour, TurnsEveryPixelOfTheBottomLeftColourIntoTheGivenOne) {
  // Rows top-down: green, key; key, blue. The key is taken from the bottom-left pixel, whatever its alpha.
  ui::Image image{2, 2, {0, 255, 0, 255, 255, 0, 255, 255, 255, 0, 255, 0, 255, 0, 0, 255}};
  ui::Image out = ui::ReplaceKeyColour(image, RGB(166, 202, 240));
  ASSERT_EQ(out.width, 2);
  EXPECT_EQ(out.Pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(out.Pixel(1, 0), 0xFFA6CAF0u);
  EXPECT_EQ(out.Pixel(0, 1), 0xFFA6CAF0u) << "opaque afterwards";
  EXPECT_EQ(out.Pixel(1, 1), 0xFF0000FFu);
  // Another key: the bottom-left pixel decides.
  image.bgra[8] = 1;
  out = ui::ReplaceKeyColour(image, RGB(0, 0, 0));
  EXPECT_EQ(out.Pixel(1, 0), 0xFFFF00FFu);
  EXPECT_EQ(out.Pixel(0, 1), 0xFF000000u);
  EXPECT_TRUE(ui::ReplaceKeyColour(ui::Image{}, RGB(0, 0, 0)).Empty());
}

TEST(Bitmap, HoldsThePixelsTopDown) {
  ui::Image source = Gradient(7, 4);
  ui::Bitmap bitmap = ui::MakeBitmap(source);
  ASSERT_TRUE(bitmap);
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectW(bitmap.Get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBm.bmWidth, 7);
  EXPECT_EQ(dib.dsBm.bmHeight, 4);
  const auto* bits = static_cast<const uint8_t*>(dib.dsBm.bmBits);
  EXPECT_EQ(std::memcmp(bits, source.bgra.data(), source.bgra.size()), 0);
  // Drawn, the first row of the image is the top row.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap.Get());
  for (auto [x, y] : {std::pair{0, 0}, {6, 0}, {0, 3}, {6, 3}}) {
    uint32_t p = source.Pixel(x, y);
    EXPECT_EQ(GetPixel(dc, x, y), RGB(Channel(p, 16), Channel(p, 8), Channel(p, 0))) << x << "," << y;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_FALSE(ui::MakeBitmap(ui::Image{}));
}

}  // namespace
