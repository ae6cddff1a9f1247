#include "Scene.h"

#include <cmath>

#include <gtest/gtest.h>

#include "Grass.h"

namespace artgen {
namespace {

// Mean difference between horizontal neighbours over a band of rows: how much fine detail shows.
double Detail(const FloatImage& image, int top, int bottom) {
  double sum = 0;
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x + 1 < image.width; ++x, ++n) {
      Color a = image.At(x, y), b = image.At(x + 1, y);
      sum += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    }
  return sum / n;
}

class FlightView : public testing::Test {
protected:
  static void SetUpTestSuite() {
    FloatImage full = MakeGrass(GrassStyles()[0], 1024);
    FloatImage half = HalveTiling(full);
    FloatImage quarter = HalveTiling(half);
    views_ = new FloatImage[3]{RenderFlightView(MipChain(full)), RenderFlightView(MipChain(half)),
                               RenderFlightView(MipChain(quarter))};
  }
  static void TearDownTestSuite() { delete[] views_; }
  static FloatImage* views_;
};
FloatImage* FlightView::views_ = nullptr;

TEST_F(FlightView, SmallerTexturesLookVisiblyBlurrierUpClose) {
  for (int r = 0; r < 3; ++r) {
    ASSERT_EQ(views_[r].width, 300);
    ASSERT_EQ(views_[r].height, 200);
  }
  // The near ground at the bottom: 1024 sharper than 512, sharper than 256, each by a clear margin.
  double d1024 = Detail(views_[0], 160, 200), d512 = Detail(views_[1], 160, 200), d256 = Detail(views_[2], 160, 200);
  EXPECT_GT(d1024, d512 * 1.4) << d1024 << " " << d512;
  EXPECT_GT(d512, d256 * 1.4) << d512 << " " << d256;
}

TEST_F(FlightView, OnlyTheGroundChangesBetweenViews) {
  // The sky and the wing are the same whatever the texture; the ground is not.
  const FloatImage& a = views_[0];
  const FloatImage& b = views_[2];
  EXPECT_EQ(a.At(299, 0).r, b.At(299, 0).r);
  EXPECT_EQ(a.At(150, 5).g, b.At(150, 5).g);
  int differing = 0;
  for (int x = 0; x < 300; ++x) differing += std::abs(a.At(x, 190).g - b.At(x, 190).g) > 0.01f;
  EXPECT_GT(differing, 100);
}

TEST_F(FlightView, ShowsSkyAboveGrassAndAShadowOnTheGrass) {
  const FloatImage& view = views_[0];
  // Somewhere in the top rows: sky, blue over green.
  int sky = 0;
  for (int x = 0; x < 300; ++x) sky += view.At(x, 10).b > view.At(x, 10).g && view.At(x, 10).b > 0.6f;
  EXPECT_GT(sky, 20);
  // Bottom rows: grass, green over blue.
  int grass = 0, shade = 0;
  for (int y = 120; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      Color c = view.At(x, y);
      grass += c.g > c.b && c.g > c.r * 0.9f;
      shade += Luma(c) < 0.12f;
    }
  EXPECT_GT(grass, 300 * 80 / 2);
  // The aircraft's shadow: a clearly darker area, but not most of the ground.
  EXPECT_GT(shade, 400);
  EXPECT_LT(shade, 300 * 80 / 4);
}

}  // namespace
}  // namespace artgen
