#include "Noise.h"

#include <cmath>

namespace artgen {
namespace {

int Wrap(int i, int period) {
  int m = i % period;
  return m < 0 ? m + period : m;
}

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// 256 unit gradients spread around the circle: axis-only gradients leave visible rows and columns.
struct GradientTable {
  float x[256], y[256];
  GradientTable() {
    for (int i = 0; i < 256; ++i) {
      // A golden-angle walk spreads the directions evenly without a pattern in the index.
      float angle = float(i) * 2.3999632f;
      x[i] = std::cos(angle);
      y[i] = std::sin(angle);
    }
  }
};
const GradientTable kGradients;

float Corner(int ix, int iy, float dx, float dy, std::uint32_t seed) {
  std::uint32_t k = Hash3(std::uint32_t(ix), std::uint32_t(iy), seed) >> 24;
  return kGradients.x[k] * dx + kGradients.y[k] * dy;
}

}  // namespace

std::uint32_t Hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u + x * 0x85EBCA6Bu + y * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float HashUnit(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  return (Hash3(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float GradientNoise(float u, float v, int period, std::uint32_t seed) {
  float x = u * period, y = v * period;
  float fx0 = std::floor(x), fy0 = std::floor(y);
  int x0 = int(fx0), y0 = int(fy0);
  float dx = x - fx0, dy = y - fy0;
  int xa = Wrap(x0, period), xb = Wrap(x0 + 1, period);
  int ya = Wrap(y0, period), yb = Wrap(y0 + 1, period);
  float n00 = Corner(xa, ya, dx, dy, seed);
  float n10 = Corner(xb, ya, dx - 1, dy, seed);
  float n01 = Corner(xa, yb, dx, dy - 1, seed);
  float n11 = Corner(xb, yb, dx - 1, dy - 1, seed);
  float sx = Fade(dx), sy = Fade(dy);
  float top = n00 + (n10 - n00) * sx;
  float bottom = n01 + (n11 - n01) * sx;
  return (top + (bottom - top) * sy) * 1.5f;
}

float Fbm(float u, float v, const FbmOptions& options) {
  float sum = 0, amplitude = 1, total = 0;
  int period = options.period;
  for (int octave = 0; octave < options.octaves; ++octave) {
    sum += amplitude * GradientNoise(u, v, period, options.seed + 977u * std::uint32_t(octave));
    total += amplitude;
    amplitude *= options.gain;
    period *= 2;
  }
  return sum / total;
}

float CellDistance(float u, float v, int period, std::uint32_t seed) {
  float x = u * period, y = v * period;
  int cx = int(std::floor(x)), cy = int(std::floor(y));
  float best = 8;
  for (int j = -1; j <= 1; ++j) {
    for (int i = -1; i <= 1; ++i) {
      int gx = cx + i, gy = cy + j;
      std::uint32_t wx = std::uint32_t(Wrap(gx, period)), wy = std::uint32_t(Wrap(gy, period));
      float px = gx + HashUnit(wx, wy, seed), py = gy + HashUnit(wx, wy, seed + 1);
      float d = std::hypot(px - x, py - y);
      if (d < best) best = d;
    }
  }
  return best;
}

}  // namespace artgen
