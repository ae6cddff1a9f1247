#pragma once
// The test grid texture: lets a user see how the texture tiles and which way it is turned.
#include "Raster.h"

namespace artgen {

// `size` pixels square, a multiple of 64. An 8 x 8 board of labelled cells (A1 top left), fine
// lines every 1/32 of the tile, a red top edge and a blue left edge, and a north arrow in cell A1.
FloatImage MakeTestGrid(int size);

// Draws text in a 5 x 7 pixel font scaled by `scale`, top left at (x, y). Knows A-Z and 0-9.
void DrawText(FloatImage& image, int x, int y, const char* text, int scale, Color color);

}  // namespace artgen
