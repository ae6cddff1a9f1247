#include "Artwork.h"

#include <cmath>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "ArtworkFiles.h"
#include "JpegDecode.h"

namespace artgen {
namespace {

std::uint32_t Read32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

struct BmpInfo {
  int width, height, bits;
};
BmpInfo ReadBmp(const Bytes& b) {
  EXPECT_GE(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(Read32(b, 2), b.size());
  return {int(Read32(b, 18)), int(std::int32_t(Read32(b, 22))), b[28] | b[29] << 8};
}

// Mean colour of a rectangle of a decoded picture.
Color Mean(const RgbImage& image, int left, int top, int width, int height) {
  Color sum;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) {
      const std::uint8_t* p = &image.rgb[(std::size_t(y) * image.width + x) * 3];
      sum = sum + Rgb8(p[0], p[1], p[2]);
    }
  return sum * (1.0f / float(width * height));
}

double Detail(const RgbImage& image, int left, int top, int width, int height) {
  double sum = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x + 1 < left + width; ++x)
      for (int k = 0; k < 3; ++k) {
        std::size_t i = (std::size_t(y) * image.width + x) * 3 + k;
        sum += std::abs(int(image.rgb[i]) - int(image.rgb[i + 3]));
      }
  return sum / (double(width - 1) * height);
}

class Artwork : public testing::Test {
protected:
  static void SetUpTestSuite() {
    files_ = new std::map<std::string, Bytes>;
    for (ArtFile& f : MakeArtwork()) {
      EXPECT_TRUE(files_->emplace(f.name, std::move(f.data)).second) << "written twice: " << f.name;
    }
  }
  static void TearDownTestSuite() { delete files_; }
  static const Bytes& File(const std::string& name) { return files_->at(name); }
  static std::map<std::string, Bytes>* files_;
};
std::map<std::string, Bytes>* Artwork::files_ = nullptr;

TEST_F(Artwork, WritesEveryFileTheWizardAndThePayloadNeed) {
  std::set<std::string> expected;
  for (const auto& file : artwork_files::kFiles) expected.insert(file.name);
  std::set<std::string> written;
  for (const auto& [name, data] : *files_) written.insert(name);
  EXPECT_EQ(written, expected);
}

TEST_F(Artwork, PicturesHaveTheirSizesAndFormats) {
  for (const auto& file : artwork_files::kFiles) {
    const std::string name = file.name;
    if (name.ends_with(".jpg")) {
      RgbImage image = DecodeJpeg(File(name));
      EXPECT_EQ(image.width, file.width) << name;
      EXPECT_EQ(image.height, file.height) << name;
      continue;
    }
    BmpInfo info = ReadBmp(File(name));
    EXPECT_EQ(info.width, file.width) << name;
    EXPECT_EQ(info.height, file.height) << name;  // positive: bottom-up
    // Glyphs and flags keep their transparency; the hourglass and the textures of the payload have none.
    EXPECT_EQ(info.bits, file.embedded && name != "hourglass.bmp" ? 32 : 24) << name;
  }
}

TEST_F(Artwork, VariantViewsShareTheSceneButNotTheGround) {
  RgbImage strip = DecodeJpeg(File("variants.jpg"));
  Color sky[6], ground[6];
  for (int v = 0; v < 6; ++v) {
    sky[v] = Mean(strip, v * 300 + 200, 0, 90, 40);
    ground[v] = Mean(strip, v * 300, 150, 300, 50);
  }
  for (int a = 0; a < 6; ++a)
    for (int b = a + 1; b < 6; ++b) {
      EXPECT_NEAR(sky[a].b, sky[b].b, 0.02f) << a << " " << b;
      float d = std::abs(ground[a].r - ground[b].r) + std::abs(ground[a].g - ground[b].g) +
                std::abs(ground[a].b - ground[b].b);
      EXPECT_GT(d, 0.03f) << "views " << a + 1 << " and " << b + 1 << " look alike";
    }
}

TEST_F(Artwork, ResolutionViewsGetBlurrierFromLeftToRight) {
  for (int v = 1; v <= 5; ++v) {
    RgbImage strip = DecodeJpeg(File("resolutions" + std::to_string(v) + ".jpg"));
    double d1024 = Detail(strip, 0, 160, 300, 40), d512 = Detail(strip, 300, 160, 300, 40),
           d256 = Detail(strip, 600, 160, 300, 40);
    EXPECT_GT(d1024, d512 * 1.3) << v;
    EXPECT_GT(d512, d256 * 1.3) << v;
  }
}

TEST_F(Artwork, BannerHasSkyAboveAndGrassBelow) {
  RgbImage banner = DecodeJpeg(File("banner.jpg"));
  Color top = Mean(banner, 0, 0, 20, 20);
  Color bottom = Mean(banner, 0, 213, 105, 20);
  EXPECT_GT(top.b, top.g);
  EXPECT_GT(top.b, 0.5f);
  EXPECT_GT(bottom.g, bottom.b + 0.1f);
  // The tree: dark green foliage across the middle of the picture, where a bare landscape has sky.
  Color crown = Mean(banner, 35, 60, 35, 40);
  EXPECT_GT(crown.g, crown.b + 0.1f);
  EXPECT_LT(Luma(crown), 0.5f);
}

}  // namespace
}  // namespace artgen
