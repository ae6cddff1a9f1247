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

TEST_F(FlightView, ShowsSkyAboveAndGrassBelow) {
  const FloatImage& view = views_[0];
  int sky = 0;
  for (int x = 0; x < 300; ++x) sky += view.At(x, 10).b > view.At(x, 10).g && view.At(x, 10).b > 0.6f;
  EXPECT_GT(sky, 60);
  int grass = 0;
  for (int y = 120; y < 200; ++y)
    for (int x = 0; x < 300; ++x) grass += view.At(x, y).g > view.At(x, y).b;
  EXPECT_GT(grass, 300 * 80 * 3 / 4);
}

TEST(FlightViewShadow, FallsOnTheGroundInView) {
  // Over a plain grey ground, only the aircraft's shadow (and haze far away) changes its brightness.
  FloatImage plain(8, 8, Color{0.5f, 0.5f, 0.5f});
  FloatImage view = RenderFlightView(MipChain(plain));
  int shadow = 0, lower = 0;
  for (int y = 100; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      Color c = view.At(x, y);
      if (c.g > 0.3f || c.b > 0.35f) continue;
      ++shadow;
      lower += y >= 150;
    }
  // Large enough to read as an aircraft, small enough to leave the grass in the sun.
  EXPECT_GT(shadow, 1500);
  EXPECT_LT(shadow, 300 * 100 / 3);
  EXPECT_GT(lower, shadow / 2) << "the shadow lies on the near ground";
  // Shade is bluish (lit by the sky), not just black.
  int bluish = 0;
  for (int y = 100; y < 200; ++y)
    for (int x = 0; x < 300; ++x) {
      Color c = view.At(x, y);
      bluish += c.g < 0.3f && c.b > c.r + 0.02f;
    }
  EXPECT_GT(bluish, shadow / 2);
}

}  // namespace
}  // namespace artgen
