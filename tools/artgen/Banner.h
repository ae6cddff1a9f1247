#pragma once
// The side banner of the first page: a summer landscape with a tree.
#include "Raster.h"
#include "Resample.h"

namespace artgen {

inline constexpr int kBannerWidth = 105, kBannerHeight = 233;

struct BannerOptions {
  int scale = 1;    // the picture is `scale` times the design size
  int samples = 4;  // per side of each pixel
};

// `meadow` is the grass texture laid on the foreground.
FloatImage RenderBanner(const MipChain& meadow, const BannerOptions& options = {});

}  // namespace artgen
