#pragma once
// The side banner of the first page: a summer landscape with a tree.
#include "Raster.h"
#include "Resample.h"

namespace artgen {

// 105 x 233; `meadow` is the grass texture laid on the foreground.
FloatImage RenderBanner(const MipChain& meadow);

}  // namespace artgen
