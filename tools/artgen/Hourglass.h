#pragma once
// The wait window's 32x32 hourglass: hard-edged on a magenta key colour (the program draws the
// colour of the bottom-left pixel as transparent, so no pixel may blend into the key).
#include "Raster.h"

namespace artgen {

inline constexpr int kHourglassSize = 32;

RgbImage Hourglass();

}  // namespace artgen
