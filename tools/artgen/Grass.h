#pragma once
// Procedural grass seen from above: patches of greens and dry yellows, bare soil, blades and tufts.
#include <array>
#include <cstdint>

#include "Raster.h"

namespace artgen {

struct GrassStyle {
  std::uint32_t seed = 1;
  std::array<Color, 3> greens{};  // dark, middle, light: picked by the patch noise
  Color dry{};                     // straw of dried-out patches
  Color soil{};
  float dryness = 0.1f;            // share of the ground in dry patches, 0..1
  float soilShare = 0.03f;         // share of bare soil, 0..1
  int patchPeriod = 4;             // patches across one tile
  float bladeDensity = 0.3f;       // blades per pixel
  float bladeLength = 9;           // pixels at 1024
  float clumping = 0.2f;           // share of blades growing in tufts
  float flowerDensity = 0;         // flowers per pixel
  float leanStrength = 0;          // 0: blades point anywhere; 1: all lie along the mowing direction
  int stripes = 0;                 // mowing stripes across the tile, each lying the other way
  float stripeContrast = 0;        // lightness difference between neighbouring stripes
};

// The five variations of the product, in order.
const std::array<GrassStyle, 5>& GrassStyles();

// One seamlessly tiling texture, `size` pixels square (a power of two, at least 16). Features keep
// their size relative to the tile, so a smaller size is a coarser drawing of the same grass.
FloatImage MakeGrass(const GrassStyle& style, int size);

}  // namespace artgen
