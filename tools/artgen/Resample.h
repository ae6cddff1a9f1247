#pragma once
// Scaling and filtered sampling of tiling textures: every filter wraps around the edges.
#include <vector>

#include "Raster.h"

namespace artgen {

// Halves both sides with a 4-tap (1 3 3 1) filter that wraps, so the result still tiles.
FloatImage HalveTiling(const FloatImage& image);
// Box-filter reduction by an integer factor (for supersampled drawings that do not tile).
FloatImage ShrinkBox(const FloatImage& image, int factor);

// Bilinear sample of a tiling texture at u, v (one tile per unit; texel centres at (i + 0.5) / size).
Color SampleBilinear(const FloatImage& texture, float u, float v);

// A texture and its successive halvings down to 1x1.
class MipChain {
public:
  explicit MipChain(FloatImage base);
  int BaseSize() const { return levels_.front().width; }
  // Trilinear sample; `footprint` is the width of the sampled area in tile units.
  Color Sample(float u, float v, float footprint) const;

private:
  std::vector<FloatImage> levels_;
};

}  // namespace artgen
