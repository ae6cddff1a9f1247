#include "Noise.h"

#include <cmath>

#include <gtest/gtest.h>

namespace artgen {
namespace {

TEST(Noise, EveryKindRepeatsOverTheUnitSquare) {
  const float points[][2] = {{0.0f, 0.0f}, {0.137f, 0.911f}, {0.5f, 0.25f}, {0.999f, 0.001f}};
  for (int period : {1, 2, 3, 5, 8}) {
    for (const auto& p : points) {
      SCOPED_TRACE(testing::Message() << "period " << period << " at " << p[0] << "," << p[1]);
      float n = GradientNoise(p[0], p[1], period, 7);
      EXPECT_NEAR(GradientNoise(p[0] + 1, p[1], period, 7), n, 1e-4f);
      EXPECT_NEAR(GradientNoise(p[0], p[1] - 1, period, 7), n, 1e-4f);
      EXPECT_NEAR(GradientNoise(p[0] - 2, p[1] + 3, period, 7), n, 1e-4f);
      FbmOptions fbm{.period = period, .octaves = 4, .gain = 0.5f, .seed = 3};
      EXPECT_NEAR(Fbm(p[0] + 1, p[1] + 1, fbm), Fbm(p[0], p[1], fbm), 1e-4f);
      EXPECT_NEAR(CellDistance(p[0] - 1, p[1], period, 9), CellDistance(p[0], p[1], period, 9), 1e-4f);
    }
  }
}

TEST(Noise, IsContinuousAcrossTheTileEdge) {
  // The last sample before the edge and the first one after it are neighbours, not strangers.
  const float e = 1e-3f;
  for (float v : {0.1f, 0.42f, 0.77f}) {
    EXPECT_NEAR(GradientNoise(1 - e, v, 4, 11), GradientNoise(0, v, 4, 11), 0.05f);
    EXPECT_NEAR(GradientNoise(v, 1 - e, 4, 11), GradientNoise(v, 0, 4, 11), 0.05f);
    FbmOptions fbm{.period = 4, .octaves = 6, .gain = 0.5f, .seed = 5};
    EXPECT_NEAR(Fbm(1 - e, v, fbm), Fbm(0, v, fbm), 0.1f);
  }
}

TEST(Noise, StaysInRangeAndVariesWithTheSeed) {
  float low = 0, high = 0;
  int differing = 0;
  for (int j = 0; j < 64; ++j)
    for (int i = 0; i < 64; ++i) {
      float u = (i + 0.3f) / 64, v = (j + 0.7f) / 64;
      float n = GradientNoise(u, v, 8, 1);
      low = std::min(low, n);
      high = std::max(high, n);
      if (std::abs(n - GradientNoise(u, v, 8, 2)) > 0.05f) ++differing;
      float d = CellDistance(u, v, 8, 1);
      EXPECT_GE(d, 0.0f);
      EXPECT_LT(d, 1.5f);
    }
  EXPECT_GE(low, -1.1f);
  EXPECT_LE(high, 1.1f);
  EXPECT_LT(low, -0.4f) << "noise too flat to draw with";
  EXPECT_GT(high, 0.4f);
  EXPECT_GT(differing, 64 * 64 / 2);
}

}  // namespace
}  // namespace artgen
