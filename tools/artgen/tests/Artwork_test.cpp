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

// The picture halved by averaging each 2x2 block, as a screen at the design size would see it.
RgbImage Halved(const RgbImage& image) {
  RgbImage out{image.width / 2, image.height / 2, {}};
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      for (int k = 0; k < 3; ++k) {
        int sum = 0;
        for (int j = 0; j < 2; ++j)
          for (int i = 0; i < 2; ++i) sum += image.rgb[(std::size_t(2 * y + j) * image.width + 2 * x + i) * 3 + k];
        out.rgb.push_back(std::uint8_t((sum + 2) / 4));
      }
  return out;
}

// Mean absolute difference per channel (0-255) between a rectangle of `a` and the same rectangle of
// `b` moved by (dx, dy).
double MeanDifference(const RgbImage& a, const RgbImage& b, int left, int top, int width, int height, int dx = 0,
                      int dy = 0) {
  double sum = 0;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      for (int k = 0; k < 3; ++k)
        sum += std::abs(int(a.rgb[(std::size_t(y) * a.width + x) * 3 + k]) -
                        int(b.rgb[(std::size_t(y + dy) * b.width + x + dx) * 3 + k]));
  return sum / (3.0 * width * height);
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
    EXPECT_EQ(info.bits, file.embedded && !name.starts_with("hourglass") ? 32 : 24) << name;
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

TEST(DoubleSizeName, PutsTheSuffixBeforeTheExtension) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"banner.jpg", "banner_2x.jpg"},
      {"glyph_next.bmp", "glyph_next_2x.bmp"},
      {"resolutions5.jpg", "resolutions5_2x.jpg"},
      {"payload/T1_1024.bmp", "payload/T1_1024_2x.bmp"},
      {"archive.tar.gz", "archive.tar_2x.gz"},
      {"noextension", "noextension_2x"},
      {"dotted.folder/plain", "dotted.folder/plain_2x"},
  };
  for (const auto& c : cases) EXPECT_EQ(DoubleSizeName(c.in), c.out) << c.in;
}

TEST_F(Artwork, EveryPictureOfTheWizardComesAtTwiceItsSize) {
  std::map<std::string, artwork_files::File> embedded;
  for (const auto& file : artwork_files::kFiles)
    if (file.embedded) embedded.emplace(file.name, file);
  int pairs = 0;
  for (const auto& [name, small] : embedded) {
    if (name.find("_2x.") != std::string::npos) continue;
    auto large = embedded.find(DoubleSizeName(name));
    ASSERT_NE(large, embedded.end()) << name << " has no twice-size drawing";
    ++pairs;
    EXPECT_EQ(large->second.width, 2 * small.width) << name;
    EXPECT_EQ(large->second.height, 2 * small.height) << name;
    const Bytes& a = File(name);
    const Bytes& b = File(large->first);
    if (name.ends_with(".jpg")) {
      RgbImage one = DecodeJpeg(a), two = DecodeJpeg(b);
      EXPECT_EQ(two.width, 2 * one.width) << name;
      EXPECT_EQ(two.height, 2 * one.height) << name;
    } else {
      BmpInfo one = ReadBmp(a), two = ReadBmp(b);
      EXPECT_EQ(two.width, 2 * one.width) << name;
      EXPECT_EQ(two.height, 2 * one.height) << name;
      EXPECT_EQ(two.bits, one.bits) << name;
    }
  }
  EXPECT_EQ(2 * pairs, int(embedded.size())) << "a twice-size drawing without its design-size one";
}

// A twice-size picture halved must be its design-size picture: same scene, same framing, same place.
// Measured: 1.7 to 3.3 (JPEG noise at both sizes, and the sharper ground the finer pixels sample);
// two different variations differ by 11 or more; a one-pixel offset raises the difference by half.
TEST_F(Artwork, TwiceSizePicturesHalvedMatchTheirDesignSize) {
  constexpr double kSameScene = 4.5;
  const struct {
    const char* name;
    int views;
  } pictures[] = {{"variants.jpg", 6}, {"resolutions1.jpg", 3}, {"resolutions2.jpg", 3}, {"resolutions3.jpg", 3},
                  {"resolutions4.jpg", 3}, {"resolutions5.jpg", 3}, {"banner.jpg", 1}};
  for (const auto& picture : pictures) {
    RgbImage one = DecodeJpeg(File(picture.name));
    RgbImage two = Halved(DecodeJpeg(File(DoubleSizeName(picture.name))));
    ASSERT_EQ(two.width, one.width) << picture.name;
    ASSERT_EQ(two.height, one.height) << picture.name;
    // Each view on its own, inset by a pixel so that the offset comparisons stay inside the picture.
    const int width = one.width / picture.views, height = one.height - 2;
    for (int v = 0; v < picture.views; ++v) {
      const int left = v * width + 1;
      double same = MeanDifference(two, one, left, 1, width - 2, height);
      EXPECT_LT(same, kSameScene) << picture.name << " view " << v + 1;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        EXPECT_LT(same, MeanDifference(two, one, left, 1, width - 2, height, dx, dy))
            << picture.name << " view " << v + 1 << " is closer moved by " << dx << "," << dy;
    }
  }
  // The limit tells views apart: every other variation, or the test grid, is far off.
  RgbImage variants = DecodeJpeg(File("variants.jpg"));
  RgbImage halved = Halved(DecodeJpeg(File("variants_2x.jpg")));
  for (int v = 0; v < 6; ++v)
    for (int w = 0; w < 6; ++w) {
      if (v == w) continue;
      EXPECT_GT(MeanDifference(halved, variants, v * 300, 0, 300, 200, (w - v) * 300, 0), 2 * kSameScene)
          << v + 1 << " against " << w + 1;
    }
}

}  // namespace
}  // namespace artgen
