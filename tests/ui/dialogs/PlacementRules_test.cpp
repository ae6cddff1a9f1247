#include "ui/dialogs/PlacementRules.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace ui::placement;

namespace {

std::string Show(const RECT& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + "}";
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// A 1024 x 768 primary display with a 40-pixel task bar at the bottom.
const Monitor kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 728}};
// A 1280 x 1024 display to the right of it, and one to the left (negative coordinates).
const Monitor kRight{{1024, 0, 2304, 1024}, {1024, 0, 2304, 1024}};
const Monitor kLeft{{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}};

}  // namespace

TEST(PlacementText, FormatsFiveTabSeparatedPlainIntegers) {
  EXPECT_EQ(Format({-1920, 5, 800, 600, false}), "-1920\t5\t800\t600\t0");
  EXPECT_EQ(Format({0, -32767, 1, 32767, true}), "0\t-32767\t1\t32767\t1");
}

TEST(PlacementText, ParsesWhatItFormatsAndForgivesDamage) {
  struct Case {
    const char* text;
    Stored expected;
  } cases[] = {
      {"-1920\t5\t800\t600\t0", {-1920, 5, 800, 600, false}},
      {"312\t234\t400\t300\t1", {312, 234, 400, 300, true}},
      // Fewer fields: the missing ones are 0, so no field 5 means normal.
      {"100\t200", {100, 200, 0, 0, false}},
      {"100", {100, 0, 0, 0, false}},
      // Fields that are no numbers count as 0.
      {"abc\t10\t\t20\tyes", {0, 10, 0, 20, false}},
      {"1.1.2000\t5\t6\t7\t1", {0, 5, 6, 7, true}},
      // Only 1 in field 5 means maximized.
      {"1\t2\t3\t4\t2", {1, 2, 3, 4, false}},
      {"1\t2\t3\t4\t-1", {1, 2, 3, 4, false}},
      // Blanks around fields, quoted fields, grouped and decimal numbers are read as numbers.
      {" 15 \t 20 \t\"640\"\t480\t1", {15, 20, 640, 480, true}},
      {"1 234\t12.6\t-12.6\t5,4\t1.0", {1234, 13, -13, 5, true}},
      // Numbers beyond what a window coordinate can be are damage.
      {"99999999999\t-40000\t40000\t32767\t0", {0, 0, 0, 32767, false}},
      // Fields after the fifth are passed over.
      {"1\t2\t3\t4\t0\t1\t1", {1, 2, 3, 4, false}},
      // A stray line break at the end (hand-edited value).
      {"1\t2\t3\t4\t1\r\n", {1, 2, 3, 4, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<Stored> p = Parse(c.text);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(*p, c.expected);
  }
  EXPECT_EQ(Parse(Format({-7, -8, 9, 10, true})), (Stored{-7, -8, 9, 10, true}));
}

TEST(PlacementText, BlankTextMeansNothingSaved) {
  for (const char* text : {"", " ", "\t\t\t\t", " \r\n\t"}) {
    SCOPED_TRACE(testing::PrintToString(text));
    EXPECT_FALSE(Parse(text).has_value());
  }
}

TEST(PlacementCentring, HalvesTheDifferenceDroppingTheFraction) {
  struct Case {
    SIZE screen, window;
    POINT expected;
  } cases[] = {
      {{1024, 768}, {400, 300}, {312, 234}},
      {{1024, 768}, {401, 301}, {311, 233}},
      {{1024, 768}, {1024, 768}, {0, 0}},
      // Larger than the screen: negative, the fraction dropped toward zero.
      {{1024, 768}, {1101, 901}, {-38, -66}},
      {{1920, 1080}, {553, 290}, {683, 395}},
  };
  for (const Case& c : cases) {
    const POINT p = Centered(c.screen, c.window);
    EXPECT_EQ(p.x, c.expected.x) << c.window.cx << "x" << c.window.cy;
    EXPECT_EQ(p.y, c.expected.y) << c.window.cx << "x" << c.window.cy;
  }
}

TEST(PlacementStrip, NeedsAHundredByThirtyPixelsOfTheTitleBarInAWorkArea) {
  struct Case {
    RECT window;
    bool visible;
  } cases[] = {
      {{100, 100, 500, 400}, true},
      // Right part: exactly 100 pixels of the strip left on the screen, then 99.
      {{924, 100, 1324, 400}, true},
      {{925, 100, 1325, 400}, false},
      // Left part, negative coordinates.
      {{-300, 100, 100, 400}, true},
      {{-301, 100, 99, 400}, false},
      // Bottom: the work area ends at 728, above the task bar.
      {{100, 698, 500, 998}, true},
      {{100, 699, 500, 999}, false},
      // Top: the strip is the window's top 30 pixels, whatever its height.
      {{100, -1, 500, 400}, false},
      {{100, 0, 500, 10}, true},
      // A window narrower than 100 pixels never shows enough.
      {{100, 100, 199, 400}, false},
      // Entirely off the screen.
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StripVisible(c.window, {kPrimary}), c.visible) << Show(c.window);
  }
  // The strip may show on any monitor, but on one of them: split halves do not add up.
  EXPECT_TRUE(StripVisible({1500, 50, 1900, 350}, {kPrimary, kRight}));
  EXPECT_FALSE(StripVisible({974, 50, 1074, 350}, {kPrimary, kRight}));
  EXPECT_FALSE(StripVisible({100, 100, 500, 400}, {}));
}

TEST(PlacementClamp, MovesOnlyWhereTheWindowSticksOut) {
  const RECT area{0, 0, 1024, 768};
  struct Case {
    RECT window, expected;
  } cases[] = {
      {{100, 100, 500, 400}, {100, 100, 500, 400}},
      // Right and bottom edges exactly on the area's edges: not moved.
      {{624, 468, 1024, 768}, {624, 468, 1024, 768}},
      {{625, 469, 1025, 769}, {624, 468, 1024, 768}},
      {{-10, -20, 390, 280}, {0, 0, 400, 300}},
      // Wider than the area: the left edge wins and the right one stays out.
      {{-10, 0, 1100, 100}, {0, 0, 1110, 100}},
      {{10, 0, 1100, 100}, {-66, 0, 1024, 100}},
  };
  for (const Case& c : cases) {
    const RECT r = ClampInto(c.window, area);
    EXPECT_TRUE(Same(r, c.expected)) << Show(c.window) << " -> " << Show(r) << ", expected " << Show(c.expected);
  }
  // Into an area with negative coordinates.
  EXPECT_TRUE(Same(ClampInto({10, 10, 410, 310}, kLeft.bounds), {-400, 10, 0, 310}));
}

TEST(PlacementTitleBar, AWindowThatCannotShrinkKeepsItsTitleBarInTheWorkArea) {
  // A work area under a 40-pixel task bar at the top of the primary display.
  const Monitor topBar{{0, 0, 1024, 768}, {0, 40, 1024, 768}};
  struct Case {
    const char* what;
    Monitor monitor;
    RECT window, expected;
  } cases[] = {
      {"taller than the display, below it", kPrimary, {100, 750, 600, 1650}, {100, 0, 600, 900}},
      {"taller and wider, off to the right", kPrimary, {1500, 900, 2700, 1800}, {0, 0, 1200, 900}},
      {"taller than a work area under a top task bar", topBar, {100, 750, 600, 1550}, {100, 40, 600, 840}},
      {"fits: clamped as before, whatever the task bar", topBar, {100, 760, 600, 1060}, {100, 468, 600, 768}},
      {"on a display left of the primary", kLeft, {-2000, -300, -700, 800}, {-1280, 0, 20, 1100}},
  };
  for (const Case& c : cases) {
    const FitPlan plan = PlanFit(c.window, {c.monitor});
    ASSERT_TRUE(plan.move) << c.what;
    // The size stays: such a window refuses the shrink.
    const RECT r = PlaceByPlan(c.window, plan);
    EXPECT_TRUE(Same(r, c.expected)) << c.what << ": " << Show(r) << ", expected " << Show(c.expected);
    EXPECT_TRUE(StripVisible(r, {c.monitor})) << c.what;
  }
}

TEST(PlacementFit, TablesOfMonitorLayouts) {
  struct Case {
    const char* what;
    std::vector<Monitor> monitors;
    RECT window, expected;
  } cases[] = {
      {"visible on the primary display", {kPrimary}, {100, 100, 500, 400}, {100, 100, 500, 400}},
      {"visible on the second display", {kPrimary, kRight}, {1500, 50, 1900, 350}, {1500, 50, 1900, 350}},
      {"visible on a display left of the primary", {kPrimary, kLeft}, {-900, 10, -500, 310}, {-900, 10, -500, 310}},
      {"second display detached: onto the first that holds it, just far enough", {kPrimary},
       {1500, 50, 1900, 350}, {624, 50, 1024, 350}},
      {"left display detached, negative coordinates", {kPrimary}, {-900, -40, -500, 260}, {0, 0, 400, 300}},
      {"own monitor before the first one: only the title bar below the second display", {kPrimary, kRight},
       {1500, 1010, 1900, 1310}, {1500, 724, 1900, 1024}},
      {"judged by the work area, clamped into the bounds: may stay under the task bar", {kPrimary},
       {100, 699, 500, 999}, {100, 468, 500, 768}},
      {"right edge exactly on the display's edge is not moved sideways", {kPrimary}, {624, 750, 1024, 1050},
       {624, 468, 1024, 768}},
      {"own display too small: the first display that can hold it", {kPrimary, kLeft}, {900, 740, 2000, 1540},
       {-1100, 224, 0, 1024}},
      {"too big for the primary, off every display", {kPrimary, kRight}, {5000, 100, 6200, 1000},
       {1104, 100, 2304, 1000}},
      {"larger than every display: shrunk to the largest and placed in it", {kPrimary, kRight},
       {-50, -50, 2950, 1950}, {1024, 0, 2304, 1024}},
      {"wider than every display only: just the width shrinks", {kPrimary}, {-3000, 100, -1000, 400},
       {0, 100, 1024, 400}},
      {"equal largest displays: the first in order", {{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}},
                                                     {{1280, 0, 2560, 1024}, {1280, 0, 2560, 1024}}},
       {3000, 3000, 6000, 6000}, {0, 0, 1280, 1024}},
      {"a display must be both higher and wider to count as larger",
       {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}, {{1920, 0, 3000, 1920}, {1920, 0, 3000, 1920}}},
       {5000, 5000, 7500, 7500}, {0, 0, 1920, 1080}},
      {"a later display larger in both directions wins",
       {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}, {{1920, 0, 3000, 1920}, {1920, 0, 3000, 1920}},
        {{3000, 0, 5560, 1440}, {3000, 0, 5560, 1440}}},
       {5000, 5000, 7500, 7500}, {3060, 0, 5560, 1440}},
      {"no display listed: left alone", {}, {5000, 5000, 5400, 5300}, {5000, 5000, 5400, 5300}},
  };
  for (const Case& c : cases) {
    const RECT r = Fit(c.window, c.monitors);
    EXPECT_TRUE(Same(r, c.expected)) << c.what << ": " << Show(r) << ", expected " << Show(c.expected);
  }
}
