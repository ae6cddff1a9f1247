#pragma once
// The wait window's hourglass, designed on a 32x32 grid and drawn `scale` times that size: hard-edged
// on a magenta key colour (the program draws the colour of the bottom-left pixel as transparent, so
// no pixel may blend into the key).
#include "Raster.h"

namespace artgen {

inline constexpr int kHourglassSize = 32;

RgbImage Hourglass(int scale = 1);

}  // namespace artgen
