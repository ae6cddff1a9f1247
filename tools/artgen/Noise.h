#pragma once
// Periodic noise: every function repeats exactly over the unit square, so textures built from it tile.
#include <cstdint>

namespace artgen {

std::uint32_t Hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed);
// Hash turned into [0, 1).
float HashUnit(std::uint32_t x, std::uint32_t y, std::uint32_t seed);

// Gradient noise on a period x period lattice over u, v in [0, 1); about -1..1.
float GradientNoise(float u, float v, int period, std::uint32_t seed);

struct FbmOptions {
  int period = 4;          // lattice cells across the tile for the first octave
  int octaves = 5;         // each doubles the period, so every octave still tiles
  float gain = 0.5f;       // amplitude factor from one octave to the next
  std::uint32_t seed = 1;
};
// Fractal sum of gradient noise, normalised to about -1..1.
float Fbm(float u, float v, const FbmOptions& options);

// Distance from (u, v) to the nearest of one random point per cell of a period x period grid,
// in cell units (0 at a point, rarely above 1).
float CellDistance(float u, float v, int period, std::uint32_t seed);

}  // namespace artgen
