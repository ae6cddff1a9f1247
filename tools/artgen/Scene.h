#pragma once
// The preview scene: grass seen from a low flying ultralight, its wing overhead and the wing's
// shadow on the ground. Only the ground texture changes from one view to the next.
#include "Raster.h"
#include "Resample.h"

namespace artgen {

struct ViewOptions {
  int width = 300;
  int height = 200;
  int samples = 3;  // per side of each pixel
};

// `ground` tiles the ground plane; its base size sets how sharp the near grass looks.
FloatImage RenderFlightView(const MipChain& ground, const ViewOptions& options = {});

}  // namespace artgen
