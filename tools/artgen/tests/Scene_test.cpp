#include "Scene.h"

#include <cmath>

#include <gtest/gtest.h>

namespace artgen {
namespace {

TEST(FlightView, ShowsTheWingAboveAndItsShadowOnTheGround) {
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
  // The wing across the top: pale fabric and its red leading-edge trim, neither found on the ground.
  int fabric = 0, trim = 0;
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 300; ++x) {
      Color c = view.At(x, y);
      fabric += c.r > 0.5f && c.g > 0.45f && c.r - c.b > 0.04f && c.r - c.b < 0.2f;
      trim += c.r > 0.5f && c.g < 0.25f;
    }
  EXPECT_GT(fabric, 2000);
  EXPECT_GT(trim, 150);
}

}  // namespace
}  // namespace artgen
