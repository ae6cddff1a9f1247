#include "TestGrid.h"

#include <gtest/gtest.h>

namespace artgen {
namespace {

bool Dark(Color c) { return c.r < 0.2f && c.g < 0.2f && c.b < 0.2f; }

TEST(TestGrid, MajorLinesMeetAcrossTheTileEdge) {
  FloatImage grid = MakeTestGrid(1024);
  // The line on the tile border is split between the first and the last columns and rows.
  for (int y : {40, 500, 1000}) {
    EXPECT_TRUE(Dark(grid.At(1023, y))) << y;
    EXPECT_TRUE(Dark(grid.At(0, y))) << y;
  }
  for (int x : {300, 700}) EXPECT_TRUE(Dark(grid.At(x, 1023))) << x;
  // Lines every eighth of the tile, thin ones between.
  for (int k = 1; k < 8; ++k) EXPECT_TRUE(Dark(grid.At(k * 128, 250))) << k;
  EXPECT_FALSE(Dark(grid.At(80, 250)));
  Color thin = grid.At(96, 250);
  EXPECT_LT(thin.r, 0.5f);
  EXPECT_FALSE(Dark(thin));
}

TEST(TestGrid, ShowsWhichWayIsUpAndWhereTheTileEnds) {
  FloatImage grid = MakeTestGrid(1024);
  // Red band along the top edge, blue along the left edge.
  Color top = grid.At(512, 6), left = grid.At(6, 512);
  EXPECT_GT(top.r, 0.7f);
  EXPECT_LT(top.b, 0.3f);
  EXPECT_GT(left.b, 0.7f);
  EXPECT_LT(left.r, 0.3f);
  // Warm rows at the top, cool ones at the bottom.
  Color upper = grid.At(40, 140), lower = grid.At(40, 910);
  EXPECT_GT(upper.r - upper.b, 0.1f);
  EXPECT_GT(lower.b - lower.r, 0.05f);
  // The north arrow: red pixels near the top middle of the first cell, none in the last cell.
  int arrow = 0, elsewhere = 0;
  for (int y = 16; y < 80; ++y)
    for (int x = 32; x < 96; ++x) arrow += grid.At(x, y).r > 0.7f && grid.At(x, y).g < 0.2f;
  for (int y = 7 * 128 + 16; y < 7 * 128 + 80; ++y)
    for (int x = 7 * 128 + 32; x < 7 * 128 + 96; ++x) elsewhere += grid.At(x, y).r > 0.7f && grid.At(x, y).g < 0.2f;
  EXPECT_GT(arrow, 100);
  EXPECT_EQ(elsewhere, 0);
}

TEST(DrawText, DrawsKnownCharactersAndSkipsUnknownOnes) {
  FloatImage image(24, 7, Color{1, 1, 1});
  DrawText(image, 0, 0, "T?1", 1, Color{});
  // T: full top bar, then the stem in the middle column.
  for (int x = 0; x < 5; ++x) EXPECT_TRUE(Dark(image.At(x, 0))) << x;
  EXPECT_TRUE(Dark(image.At(2, 6)));
  EXPECT_FALSE(Dark(image.At(0, 6)));
  for (int y = 0; y < 7; ++y)
    for (int x = 6; x < 12; ++x) EXPECT_FALSE(Dark(image.At(x, y))) << "unknown character leaves a blank";
  EXPECT_TRUE(Dark(image.At(12 + 2, 6)));  // foot of the 1
}

}  // namespace
}  // namespace artgen
