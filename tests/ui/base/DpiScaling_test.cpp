#include "ui/base/DpiScaling.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using ui::Rect;

constexpr int kDpis[] = {96, 120, 144, 192};

TEST(Scale, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
  struct Case {
    int design, dpi, expected;
  };
  const Case cases[] = {
      {0, 144, 0},      {8, 96, 8},       {8, 120, 10},     {8, 144, 12},    {8, 192, 16},
      {1, 120, 1},      // 1.25
      {2, 120, 3},      // 2.5
      {3, 144, 5},      // 4.5
      {-2, 120, -3},    // -2.5: the wide pictures' offsets are negative
      {-300, 144, -450}, {547, 120, 684},  // 683.75
      {547, 144, 821},  // 820.5
      {263, 144, 395},  // 394.5
      {5, 168, 9},      // 8.75
  };
  for (const Case& c : cases) EXPECT_EQ(ui::Scale(c.design, c.dpi), c.expected) << c.design << " at " << c.dpi;
}

TEST(Scale, UnscaleCoversTheMeasuredPixelsAgain) {
  for (int dpi : {96, 120, 144, 168, 192, 288}) {
    for (int pixels = 0; pixels < 400; ++pixels) {
      const int design = ui::Unscale(pixels, dpi);
      EXPECT_GE(ui::Scale(design, dpi), pixels) << pixels << " at " << dpi;
      // Never a whole design unit wider than the exact value.
      EXPECT_LT(design, pixels * 96.0 / dpi + 1) << pixels << " at " << dpi;
    }
  }
  EXPECT_EQ(ui::Unscale(-5, 144), 0);
}

TEST(ScaleRect, ScalesTheWizardsDesignRectangles) {
  struct Case {
    Rect design;
    int dpi;
    Rect expected;
  };
  const Case cases[] = {
      {{256, 218, 91, 25}, 96, {256, 218, 91, 25}},
      {{256, 218, 91, 25}, 120, {320, 273, 114, 31}},  // right 347 -> 433.75 -> 434
      {{256, 218, 91, 25}, 144, {384, 327, 137, 38}},  // right 520.5 -> 521; bottom 364.5 -> 365
      {{256, 218, 91, 25}, 192, {512, 436, 182, 50}},
      {{-2, 0, 553, 273}, 144, {-3, 0, 830, 410}},     // left -3, right 826.5 -> 827
      {{2, 2, 2, 2}, 120, {3, 3, 2, 2}},               // a naive width of 2.5 -> 3 would end at 6, not 5
      {{0, 0, 0, 0}, 192, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::ScaleRect(c.design, c.dpi), c.expected) << c.design << " at " << c.dpi;
}

// Rectangles that touch in the design still touch, and ones apart stay apart, at any DPI and any
// rounding; sizes never go negative and stay within a pixel of the exact scaled size.
TEST(ScaleRect, NeighboursNeverOverlapAndTouchingOnesStillTouch) {
  for (int dpi : {96, 110, 120, 125, 144, 168, 192, 240, 288}) {
    for (int x = -20; x < 40; ++x) {
      for (int w = 0; w < 30; ++w) {
        const Rect a = ui::ScaleRect({x, x, w, w}, dpi);
        const double exact = static_cast<double>(w) * dpi / 96;
        ASSERT_GE(a.w, 0);
        ASSERT_LE(std::abs(a.w - exact), 1.0) << x << "+" << w << " at " << dpi;
        for (int gap = 0; gap < 3; ++gap) {
          const Rect b = ui::ScaleRect({x + w + gap, x + w + gap, 5, 5}, dpi);
          ASSERT_LE(a.x + a.w, b.x) << x << "+" << w << " gap " << gap << " at " << dpi;
          ASSERT_LE(a.y + a.h, b.y);
          if (gap == 0) {
            ASSERT_EQ(a.x + a.w, b.x);
          }
        }
      }
    }
  }
}

// The wizard's bottom row keeps its order and gaps at 96, 120, 144 and 192 DPI.
TEST(ScaleRect, TheBottomRowOfButtonsStaysInOrderInsideThePage) {
  const Rect previous{256, 218, 91, 25}, next{352, 218, 91, 25}, quit{446, 218, 91, 25};
  for (int dpi : kDpis) {
    const Rect p = ui::ScaleRect(previous, dpi), n = ui::ScaleRect(next, dpi), q = ui::ScaleRect(quit, dpi);
    EXPECT_LT(p.x + p.w, n.x) << dpi;
    EXPECT_LT(n.x + n.w, q.x) << dpi;
    EXPECT_LE(q.x + q.w, ui::Scale(547, dpi)) << dpi;
    EXPECT_EQ(p.h, n.h);
  }
}

TEST(UsableDpi, UnknownAnswersCountAsTheDesignDpi) {
  EXPECT_EQ(ui::UsableDpi(0), 96);
  EXPECT_EQ(ui::UsableDpi(-1), 96);
  EXPECT_EQ(ui::UsableDpi(47), 96);
  EXPECT_EQ(ui::UsableDpi(48), 48);
  EXPECT_EQ(ui::UsableDpi(144), 144);
  EXPECT_EQ(ui::UsableDpi(960), 960);
  EXPECT_EQ(ui::UsableDpi(100000), 96);
}

}  // namespace
