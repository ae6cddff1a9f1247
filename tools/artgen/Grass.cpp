#include "Grass.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "Noise.h"
#include "Random.h"

namespace artgen {

const std::array<GrassStyle, 5>& GrassStyles() {
  static const std::array<GrassStyle, 5> styles = [] {
    std::array<GrassStyle, 5> s{};
    // 1: lush spring grass, fresh greens, a few dandelions.
    s[0].seed = 101;
    s[0].greens = {Rgb8(34, 70, 20), Rgb8(66, 116, 34), Rgb8(110, 156, 48)};
    s[0].dry = Rgb8(150, 152, 72);
    s[0].soil = Rgb8(96, 78, 52);
    s[0].dryness = 0.06f;
    s[0].soilShare = 0.02f;
    s[0].patchPeriod = 4;
    s[0].bladeDensity = 0.32f;
    s[0].bladeLength = 9;
    s[0].clumping = 0.2f;
    s[0].flowerDensity = 0.0004f;
    // 2: summer meadow, greens with dry yellow patches and white flowers.
    s[1].seed = 202;
    s[1].greens = {Rgb8(50, 76, 28), Rgb8(86, 110, 42), Rgb8(126, 140, 60)};
    s[1].dry = Rgb8(182, 164, 94);
    s[1].soil = Rgb8(110, 90, 62);
    s[1].dryness = 0.32f;
    s[1].soilShare = 0.05f;
    s[1].patchPeriod = 3;
    s[1].bladeDensity = 0.3f;
    s[1].bladeLength = 12;
    s[1].clumping = 0.35f;
    s[1].flowerDensity = 0.0012f;
    // 3: dry pasture, straw yellows over worn soil with green tufts left.
    s[2].seed = 303;
    s[2].greens = {Rgb8(68, 80, 34), Rgb8(108, 110, 48), Rgb8(146, 138, 66)};
    s[2].dry = Rgb8(196, 174, 112);
    s[2].soil = Rgb8(128, 104, 72);
    s[2].dryness = 0.62f;
    s[2].soilShare = 0.16f;
    s[2].patchPeriod = 5;
    s[2].bladeDensity = 0.26f;
    s[2].bladeLength = 8;
    s[2].clumping = 0.25f;
    // 4: deep blue-green grass in dense tufts.
    s[3].seed = 404;
    s[3].greens = {Rgb8(22, 54, 28), Rgb8(40, 84, 42), Rgb8(70, 118, 56)};
    s[3].dry = Rgb8(120, 128, 70);
    s[3].soil = Rgb8(74, 62, 44);
    s[3].dryness = 0.05f;
    s[3].soilShare = 0.04f;
    s[3].patchPeriod = 6;
    s[3].bladeDensity = 0.3f;
    s[3].bladeLength = 13;
    s[3].clumping = 0.85f;
    // 5: mown field, bright yellow-green, short blades lying in alternate stripes.
    s[4].seed = 505;
    s[4].greens = {Rgb8(74, 112, 30), Rgb8(104, 144, 42), Rgb8(142, 176, 64)};
    s[4].dry = Rgb8(170, 170, 90);
    s[4].soil = Rgb8(104, 88, 60);
    s[4].dryness = 0.05f;
    s[4].soilShare = 0.02f;
    s[4].patchPeriod = 4;
    s[4].bladeDensity = 0.4f;
    s[4].bladeLength = 7;
    s[4].clumping = 0.05f;
    s[4].leanStrength = 0.8f;
    s[4].stripes = 4;
    s[4].stripeContrast = 0.14f;
    return s;
  }();
  return styles;
}

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Adds a soft dot of `color` at (x, y), spread over the four nearest pixels, wrapping at the edges.
void Splat(FloatImage& image, float x, float y, Color color, float alpha) {
  float fx = std::floor(x - 0.5f), fy = std::floor(y - 0.5f);
  float tx = x - 0.5f - fx, ty = y - 0.5f - fy;
  int ix = int(fx), iy = int(fy);
  const float weights[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
  const int dx[4] = {0, 1, 0, 1}, dy[4] = {0, 0, 1, 1};
  for (int k = 0; k < 4; ++k) {
    Color& p = image.Wrapped(ix + dx[k], iy + dy[k]);
    p = Mix(p, color, alpha * weights[k]);
  }
}

// A blade seen from above: dark at the root in the shade of the others, lighter towards the tip.
void DrawBlade(FloatImage& image, float x, float y, float angle, float length, Color color) {
  float cx = std::cos(angle), cy = std::sin(angle);
  int steps = std::max(2, int(length * 2.0f));
  for (int s = 0; s <= steps; ++s) {
    float t = float(s) / float(steps);
    Color shade = Mix(color * 0.55f, color * 1.18f, t);
    float alpha = 0.85f * (t < 0.75f ? 1.0f : 1.0f - (t - 0.75f) * 2.4f);
    Splat(image, x + cx * length * t, y + cy * length * t, shade, alpha);
  }
}

// The drawing in progress: the image and what grows where.
struct Canvas {
  const GrassStyle& style;
  int size;
  float scale;  // pixels here per pixel at 1024
  FloatImage image;
  std::vector<Color> green;     // colour of the living blades growing here
  std::vector<Color> dry;       // colour of the dried blades here
  std::vector<float> dryShare;  // share of dried blades, 0..1
  std::vector<float> cover;     // 0 on bare soil, 1 where grass is dense
  Random random;

  Canvas(const GrassStyle& s, int n)
      : style(s), size(n), scale(float(n) / 1024.0f), image(n, n), green(Count()), dry(Count()),
        dryShare(Count()), cover(Count()), random(s.seed) {}
  std::size_t Count() const { return std::size_t(size) * size; }
  std::size_t Index(float x, float y) const {
    int ix = int(std::floor(x)) % size, iy = int(std::floor(y)) % size;
    if (ix < 0) ix += size;
    if (iy < 0) iy += size;
    return std::size_t(iy) * size + ix;
  }
  int StripeOf(float y) const { return style.stripes > 0 ? int(std::floor(y / size * style.stripes * 2)) % 2 : 0; }
};

Color GreenRamp(const GrassStyle& style, float t) {
  Color c = Mix(style.greens[0], style.greens[1], Smoothstep(0.15f, 0.5f, t));
  return Mix(c, style.greens[2], Smoothstep(0.5f, 0.85f, t));
}

// The value above which `share` of the samples lie, so masks cover the intended part of the tile.
float ShareThreshold(std::vector<float> samples, float share) {
  if (share <= 0) return 2.0f;
  auto k = std::size_t(float(samples.size() - 1) * Clamp01(1.0f - share));
  std::nth_element(samples.begin(), samples.begin() + std::ptrdiff_t(k), samples.end());
  return samples[k];
}

// Lays out the patches (greens, dry grass, bare soil, light and shade) and paints the ground
// between the blades: their shadowed depth, or soil where the grass is thin.
void PaintGround(Canvas& c) {
  const GrassStyle& style = c.style;
  const int size = c.size;
  const std::uint32_t seed = style.seed;
  const FbmOptions patch{.period = style.patchPeriod, .octaves = 5, .gain = 0.55f, .seed = seed};
  const FbmOptions dry{.period = std::max(2, style.patchPeriod - 1), .octaves = 6, .gain = 0.55f, .seed = seed + 11};
  const FbmOptions soil{.period = style.patchPeriod * 2, .octaves = 5, .gain = 0.6f, .seed = seed + 23};
  const FbmOptions light{.period = 2, .octaves = 3, .gain = 0.5f, .seed = seed + 37};
  const FbmOptions mottle{.period = 16, .octaves = 3, .gain = 0.5f, .seed = seed + 53};
  std::vector<float> patchNoise(c.Count()), dryNoise(c.Count()), soilNoise(c.Count()), lightNoise(c.Count());
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float u = (x + 0.5f) / size, v = (y + 0.5f) / size;
      std::size_t i = std::size_t(y) * size + x;
      patchNoise[i] = Fbm(u, v, patch) * 0.5f + 0.5f;
      dryNoise[i] = Fbm(u, v, dry);
      soilNoise[i] = Fbm(u, v, soil);
      lightNoise[i] = Fbm(u, v, light) * 0.08f + Fbm(u, v, mottle) * 0.07f;
    }
  auto stripeLight = [&](int y) {
    if (style.stripes == 0) return 1.0f;
    // Soft-edged bands: the boundary between two mown stripes is not a sharp line.
    float phase = (y + 0.5f) / size * style.stripes * 2 * kPi;
    return 1.0f + style.stripeContrast * 0.5f * std::clamp(std::sin(phase) * 3.0f, -1.0f, 1.0f);
  };
  const float dryEdge = ShareThreshold(dryNoise, style.dryness);
  const float soilEdge = ShareThreshold(soilNoise, style.soilShare);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      std::size_t i = std::size_t(y) * size + x;
      Color green = GreenRamp(style, patchNoise[i]);
      float dryMask = Smoothstep(dryEdge - 0.1f, dryEdge + 0.1f, dryNoise[i]);
      float soilMask = Smoothstep(soilEdge - 0.03f, soilEdge + 0.05f, soilNoise[i]);
      float shading = (1.0f + lightNoise[i]) * stripeLight(y);
      c.green[i] = green * shading;
      c.dry[i] = style.dry * shading;
      c.dryShare[i] = dryMask * 0.9f;
      c.cover[i] = 1.0f - soilMask * 0.85f;
      float grain = 0.9f + 0.2f * HashUnit(std::uint32_t(x), std::uint32_t(y), seed + 41);
      Color depth = Mix(green, style.dry, c.dryShare[i]) * 0.42f;
      c.image.At(x, y) = Mix(depth, style.soil * grain, soilMask) * shading;
    }
}

Color BladeColor(Canvas& c, std::size_t i) {
  float lightness = c.random.Range(0.72f, 1.28f);
  // Near the edge of a dry patch, living and dried blades grow side by side.
  Color color = (c.random.Unit() < c.dryShare[i] ? c.dry[i] : c.green[i]) * lightness;
  // Some blades yellower or bluer than their neighbours.
  float hue = c.random.Gauss() * 0.04f;
  return {color.r + hue, color.g, color.b - hue};
}

// Single blades, in any direction, or for a mown field lying along its stripe the way the mower went.
void SowBlades(Canvas& c) {
  const GrassStyle& style = c.style;
  const int blades = int(style.bladeDensity * float(c.Count()) * (1 - style.clumping));
  for (int b = 0; b < blades; ++b) {
    float x = c.random.Range(0, float(c.size)), y = c.random.Range(0, float(c.size));
    std::size_t i = c.Index(x, y);
    if (c.random.Unit() > c.cover[i]) continue;
    float angle = c.random.Range(0, 2 * kPi);
    if (style.leanStrength > 0) {
      float spread = (1.0f - style.leanStrength) * kPi;
      angle = (c.StripeOf(y) ? kPi : 0.0f) + c.random.Gauss() * spread * 0.5f;
    }
    float length = style.bladeLength * c.scale * c.random.Range(0.5f, 1.3f);
    DrawBlade(c.image, x, y, angle, length, BladeColor(c, i));
  }
}

// Tufts: blades spreading out from one root, the inner ones hidden under the outer ones.
void SowTufts(Canvas& c) {
  const GrassStyle& style = c.style;
  const int tuftBlades = 14;
  const int tufts = int(style.bladeDensity * float(c.Count()) * style.clumping / tuftBlades);
  for (int t = 0; t < tufts; ++t) {
    float x = c.random.Range(0, float(c.size)), y = c.random.Range(0, float(c.size));
    std::size_t i = c.Index(x, y);
    if (c.random.Unit() > c.cover[i]) continue;
    float tuftLight = c.random.Range(0.85f, 1.15f);
    for (int k = 0; k < tuftBlades; ++k) {
      float angle = c.random.Range(0, 2 * kPi);
      float length = style.bladeLength * c.scale * c.random.Range(0.6f, 1.4f);
      float rootX = x + c.random.Gauss() * c.scale * 1.5f, rootY = y + c.random.Gauss() * c.scale * 1.5f;
      DrawBlade(c.image, rootX, rootY, angle, length, BladeColor(c, i) * tuftLight);
    }
  }
}

// Flowers: a bright head with a softer rim of petals.
void SowFlowers(Canvas& c) {
  static constexpr Color kFlowers[] = {Rgb8(240, 236, 220), Rgb8(236, 200, 40), Rgb8(176, 130, 200),
                                       Rgb8(250, 250, 245)};
  const int flowers = int(c.style.flowerDensity * float(c.Count()));
  const float radius = std::max(0.3f, 0.9f * c.scale);
  for (int f = 0; f < flowers; ++f) {
    float x = c.random.Range(0, float(c.size)), y = c.random.Range(0, float(c.size));
    Color color = kFlowers[c.random.Next() % 4];
    for (int k = 0; k < 6; ++k) {
      float a = float(k) * kPi / 3;
      Splat(c.image, x + std::cos(a) * radius, y + std::sin(a) * radius, color * 0.92f, 0.6f);
    }
    Splat(c.image, x, y, color, 0.95f);
  }
}

}  // namespace

FloatImage MakeGrass(const GrassStyle& style, int size) {
  Canvas canvas(style, size);
  PaintGround(canvas);
  SowBlades(canvas);
  SowTufts(canvas);
  SowFlowers(canvas);
  return std::move(canvas.image);
}

}  // namespace artgen
