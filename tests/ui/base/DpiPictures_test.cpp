#include "ui/base/DpiPictures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DoubleSizeName, PutsTheMarkBeforeTheExtension) {
  EXPECT_EQ(ui::DoubleSizeName("banner.jpg"), "banner_2x.jpg");
  EXPECT_EQ(ui::DoubleSizeName("glyph_next.bmp"), "glyph_next_2x.bmp");
  EXPECT_EQ(ui::DoubleSizeName("payload/T1_256.bmp"), "payload/T1_256_2x.bmp");
  EXPECT_EQ(ui::DoubleSizeName("noextension"), "noextension_2x");
  EXPECT_EQ(ui::DoubleSizeName("folder.d/file"), "folder.d/file_2x");
}

TEST(DrawingScaleFor, TakesTheNearerDrawingAndTheLargerAtHalfway) {
  struct Case {
    int dpi, scale;
  };
  const Case cases[] = {{72, 1}, {96, 1}, {120, 1}, {143, 1}, {144, 2}, {168, 2}, {192, 2}, {288, 2}};
  for (const Case& c : cases) EXPECT_EQ(ui::DrawingScaleFor(c.dpi), c.scale) << c.dpi;
}

// Drawings that say which one they are by their colour.
struct Drawings {
  bool haveDesign = true, haveDouble = true;
  std::vector<int> asked;
  ui::DrawingLoader Loader() {
    return [this](int scale) {
      asked.push_back(scale);
      if ((scale == 1 && !haveDesign) || (scale == 2 && !haveDouble)) return ui::Image{};
      const int w = 16 * scale, h = 10 * scale;
      const uint8_t blue = scale == 1 ? 0x11 : 0x22;
      ui::Image image{w, h, std::vector<uint8_t>(size_t(w) * h * 4)};
      for (size_t i = 0; i < image.bgra.size(); i += 4) image.bgra[i] = blue, image.bgra[i + 3] = 0xFF;
      return image;
    };
  }
};

TEST(PictureForDpi, GivesTheNearerDrawingAtTheDesignSizeScaledToTheDpi) {
  struct Case {
    int dpi, width, height;
    uint32_t colour;
  };
  const Case cases[] = {{96, 16, 10, 0xFF000011},
                        {120, 20, 13, 0xFF000011},  // 12.5 rounds up
                        {144, 24, 15, 0xFF000022},
                        {192, 32, 20, 0xFF000022},
                        {288, 48, 30, 0xFF000022}};
  for (const Case& c : cases) {
    Drawings d;
    const ui::Image picture = ui::PictureForDpi(d.Loader(), c.dpi);
    EXPECT_EQ(picture.width, c.width) << c.dpi;
    EXPECT_EQ(picture.height, c.height) << c.dpi;
    EXPECT_EQ(picture.Pixel(0, 0), c.colour) << c.dpi;
    EXPECT_EQ(d.asked, std::vector<int>{ui::DrawingScaleFor(c.dpi)}) << "only the nearer one is loaded";
  }
}

TEST(PictureForDpi, FallsBackToTheOtherDrawingAndGivesNothingWithoutEither) {
  Drawings noDouble{.haveDouble = false};
  const ui::Image big = ui::PictureForDpi(noDouble.Loader(), 192);
  EXPECT_EQ(big.width, 32);
  EXPECT_EQ(big.Pixel(0, 0), 0xFF000011u);
  Drawings noDesign{.haveDesign = false};
  const ui::Image small = ui::PictureForDpi(noDesign.Loader(), 96);
  EXPECT_EQ(small.width, 16);
  EXPECT_EQ(small.height, 10);
  EXPECT_EQ(small.Pixel(0, 0), 0xFF000022u);
  Drawings none{.haveDesign = false, .haveDouble = false};
  EXPECT_TRUE(ui::PictureForDpi(none.Loader(), 144).Empty());
  EXPECT_TRUE(ui::PictureForDpi(nullptr, 96).Empty());
}

}  // namespace
