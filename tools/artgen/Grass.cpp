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
    s[4].dryness = 0.12f;
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

struct Fields {
  std::vector<Color> green;     // colour of the living blades growing here
  std::vector<Color> dry;       // colour of the dried blades here
  std::vector<float> dryShare;  // share of dried blades, 0..1
  std::vector<float> cover;     // 0 on bare soil, 1 where grass is dense
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

}  // namespace

FloatImage MakeGrass(const GrassStyle& style, int size) {
  const float scale = float(size) / 1024.0f;
  const std::uint32_t seed = style.seed;
  FloatImage image(size, size);
  const std::size_t count = std::size_t(size) * size;
  Fields fields{std::vector<Color>(count), std::vector<Color>(count), std::vector<float>(count), std::vector<float>(count)};

  const FbmOptions patch{.period = style.patchPeriod, .octaves = 5, .gain = 0.55f, .seed = seed};
  const FbmOptions dry{.period = std::max(2, style.patchPeriod - 1), .octaves = 6, .gain = 0.55f, .seed = seed + 11};
  const FbmOptions soil{.period = style.patchPeriod * 2, .octaves = 5, .gain = 0.6f, .seed = seed + 23};
  const FbmOptions light{.period = 2, .octaves = 3, .gain = 0.5f, .seed = seed + 37};
  const FbmOptions mottle{.period = 16, .octaves = 3, .gain = 0.5f, .seed = seed + 53};
  std::vector<float> patchNoise(count), dryNoise(count), soilNoise(count), lightNoise(count);
  auto stripeLight = [&](int y) {
    if (style.stripes == 0) return 1.0f;
    // Soft-edged bands: the stripe boundary of a mown field is not a sharp line.
    float phase = (y + 0.5f) / size * style.stripes * 2 * kPi;
    return 1.0f + style.stripeContrast * 0.5f * std::clamp(std::sin(phase) * 3.0f, -1.0f, 1.0f);
  };
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float u = (x + 0.5f) / size, v = (y + 0.5f) / size;
      std::size_t i = std::size_t(y) * size + x;
      patchNoise[i] = Fbm(u, v, patch) * 0.5f + 0.5f;
      dryNoise[i] = Fbm(u, v, dry);
      soilNoise[i] = Fbm(u, v, soil);
      lightNoise[i] = Fbm(u, v, light) * 0.08f + Fbm(u, v, mottle) * 0.07f;
    }
  }
  const float dryEdge = ShareThreshold(dryNoise, style.dryness);
  const float soilEdge = ShareThreshold(soilNoise, style.soilShare);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      std::size_t i = std::size_t(y) * size + x;
      Color green = GreenRamp(style, patchNoise[i]);
      float dryMask = Smoothstep(dryEdge - 0.1f, dryEdge + 0.1f, dryNoise[i]);
      Color blades = Mix(green, style.dry, dryMask * 0.9f);
      float soilMask = Smoothstep(soilEdge - 0.03f, soilEdge + 0.05f, soilNoise[i]);
      float shading = (1.0f + lightNoise[i]) * stripeLight(y);
      fields.green[i] = green * shading;
      fields.dry[i] = style.dry * shading;
      fields.dryShare[i] = dryMask * 0.9f;
      fields.cover[i] = 1.0f - soilMask * 0.85f;
      // The ground between the blades: their shadowed depth, or soil where the grass is thin.
      float grain = 0.9f + 0.2f * HashUnit(std::uint32_t(x), std::uint32_t(y), seed + 41);
      image.At(x, y) = Mix(blades * 0.42f, style.soil * grain, soilMask) * shading;
    }
  }

  Random random(seed);
  auto fieldAt = [&](float x, float y) {
    int ix = int(std::floor(x)) % size, iy = int(std::floor(y)) % size;
    if (ix < 0) ix += size;
    if (iy < 0) iy += size;
    return std::size_t(iy) * size + ix;
  };
  auto bladeColor = [&](std::size_t i) {
    float lightness = random.Range(0.72f, 1.28f);
    // Near the edge of a dry patch, living and dried blades grow side by side.
    Color c = (random.Unit() < fields.dryShare[i] ? fields.dry[i] : fields.green[i]) * lightness;
    // Some blades yellower or bluer than their neighbours.
    float hue = random.Gauss() * 0.04f;
    return Color{c.r + hue, c.g, c.b - hue};
  };
  auto stripeOf = [&](float y) { return style.stripes > 0 ? int(std::floor(y / size * style.stripes * 2)) % 2 : 0; };
  // Mown blades lie along their stripe, the way the mower went.
  auto leanAngle = [&](float y) {
    if (style.leanStrength <= 0) return random.Range(0, 2 * kPi);
    float base = stripeOf(y) ? kPi : 0.0f;
    float spread = (1.0f - style.leanStrength) * kPi;
    return base + random.Gauss() * spread * 0.5f;
  };
  const float pixels = float(size) * float(size);
  const int blades = int(style.bladeDensity * pixels * (1 - style.clumping));
  for (int b = 0; b < blades; ++b) {
    float x = random.Range(0, float(size)), y = random.Range(0, float(size));
    std::size_t i = fieldAt(x, y);
    if (random.Unit() > fields.cover[i]) continue;
    float length = style.bladeLength * scale * random.Range(0.5f, 1.3f);
    DrawBlade(image, x, y, leanAngle(y), length, bladeColor(i));
  }
  // Tufts: blades spreading out from one root, the inner ones hidden under the outer ones.
  const int tuftBlades = 14;
  const int tufts = int(style.bladeDensity * pixels * style.clumping / tuftBlades);
  for (int t = 0; t < tufts; ++t) {
    float x = random.Range(0, float(size)), y = random.Range(0, float(size));
    std::size_t i = fieldAt(x, y);
    if (random.Unit() > fields.cover[i]) continue;
    float tuftLight = random.Range(0.85f, 1.15f);
    for (int k = 0; k < tuftBlades; ++k) {
      float angle = random.Range(0, 2 * kPi);
      float length = style.bladeLength * scale * random.Range(0.6f, 1.4f);
      float rootX = x + random.Gauss() * scale * 1.5f, rootY = y + random.Gauss() * scale * 1.5f;
      DrawBlade(image, rootX, rootY, angle, length, bladeColor(i) * tuftLight);
    }
  }
  // Flowers: a bright head with a softer rim.
  static const Color kFlowers[] = {Rgb8(240, 236, 220), Rgb8(236, 200, 40), Rgb8(176, 130, 200), Rgb8(250, 250, 245)};
  const int flowers = int(style.flowerDensity * pixels);
  for (int f = 0; f < flowers; ++f) {
    float x = random.Range(0, float(size)), y = random.Range(0, float(size));
    Color c = kFlowers[random.Next() % 4];
    float radius = std::max(0.6f, 1.1f * scale * 1.6f);
    for (int k = 0; k < 6; ++k) {
      float a = k * kPi / 3;
      Splat(image, x + std::cos(a) * radius * 0.5f, y + std::sin(a) * radius * 0.5f, c * 0.92f, 0.6f);
    }
    Splat(image, x, y, c, 0.95f);
  }
  return image;
}

}  // namespace artgen
