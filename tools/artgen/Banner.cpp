#include "Banner.h"

#include <cmath>
#include <vector>

#include "Noise.h"
#include "Random.h"

namespace artgen {
namespace {

constexpr int kWidth = kBannerWidth, kHeight = kBannerHeight;

constexpr float kLeafCells = 2.0f * kWidth;  // across the banner's width

struct Blob {
  float x, y, r;
};

// Geometry in units of the banner's width (y grows downwards), independent of the sampling.
constexpr float kHorizon = 0.60f * kHeight / kWidth;
constexpr float kTreeX = 0.47f, kTreeFoot = 0.76f * kHeight / kWidth;
constexpr float kCrownX = 0.50f, kCrownY = 0.36f * kHeight / kWidth, kCrownRx = 0.46f, kCrownRy = 0.34f;

// Leaf masses: overlapping clusters filling an ellipse, so the outline is lobed like an oak's.
std::vector<Blob> CrownBlobs() {
  Random random(4242);
  std::vector<Blob> blobs;
  for (int i = 0; i < 34; ++i) {
    float a = random.Range(0, 6.2831853f), d = std::sqrt(random.Unit()) * 0.8f;
    blobs.push_back({kCrownX + std::cos(a) * d * kCrownRx, kCrownY + std::sin(a) * d * kCrownRy,
                     random.Range(0.09f, 0.2f)});
  }
  return blobs;
}

Color SkyAt(float x, float y) {
  float t = y / kHorizon;
  Color c = Mix(Rgb8(58, 108, 186), Rgb8(196, 212, 228), std::pow(t, 1.5f));
  // Fair-weather clouds, stretched sideways.
  float cloud = Fbm(x * 0.45f, y * 0.9f, {.period = 4, .octaves = 5, .gain = 0.55f, .seed = 17});
  c = Mix(c, Rgb8(250, 250, 248), Smoothstep(0.0f, 0.45f, cloud) * (1 - t * 0.7f) * 0.9f);
  // Two ranges of hills, the far one paler.
  float far = kHorizon - 0.12f - 0.07f * Fbm(x * 0.5f, 0.3f, {.period = 3, .octaves = 4, .gain = 0.5f, .seed = 5});
  float near = kHorizon - 0.04f - 0.05f * Fbm(x * 0.5f, 0.7f, {.period = 2, .octaves = 4, .gain = 0.5f, .seed = 9});
  if (y > far) c = Rgb8(132, 156, 164);
  if (y > near) {
    // A hedge of distant trees on the near range.
    float leaf = HashUnit(std::uint32_t(x * 160), std::uint32_t(y * 160), 8);
    c = Mix(Rgb8(68, 102, 64), Rgb8(112, 140, 118), 0.45f + 0.1f * leaf);
  }
  return c;
}

Color MeadowAt(const MipChain& meadow, float x, float y, float pixel) {
  // Seen from eye height over flat ground: distance grows as the rows near the horizon.
  float below = y - kHorizon;
  float distance = 1.7f * 1.4f / below;
  float gx = (x - 0.5f) * distance / 1.4f;
  const float tile = 25.0f;
  float footprint = distance * pixel / 1.4f / std::sqrt(below / (below + 1.4f)) / tile;
  Color c = meadow.Sample(gx / tile, distance / tile, footprint);
  return Mix(c, Rgb8(176, 192, 188), Clamp01(1.0f - below * 3.0f) * 0.55f);
}

}  // namespace

FloatImage RenderBanner(const MipChain& meadow, const BannerOptions& options) {
  const int w = kWidth * options.scale * options.samples, h = kHeight * options.scale * options.samples;
  const float pixel = 1.0f / float(w);
  FloatImage image(w, h);
  const std::vector<Blob> blobs = CrownBlobs();

  for (int py = 0; py < h; ++py) {
    for (int px = 0; px < w; ++px) {
      float x = (px + 0.5f) * pixel, y = (py + 0.5f) * pixel;
      Color c = y < kHorizon ? SkyAt(x, y) : MeadowAt(meadow, x, y, pixel);
      if (y > kHorizon) {
        // The crown's shadow on the grass, a soft irregular patch to the right of the foot.
        float sx = (x - kTreeX - 0.12f) / 0.36f, sy = (y - kTreeFoot - 0.005f) / 0.05f;
        float edge = 1 - (sx * sx + sy * sy) + 0.25f * Fbm(x, y, {.period = 8, .octaves = 3, .gain = 0.5f, .seed = 61});
        c = c * (1.0f - 0.45f * Smoothstep(0.0f, 0.3f, edge));
      }
      // Trunk, flaring at the foot, forking into two limbs under the crown.
      float flare = 0.028f + 0.03f * Smoothstep(kTreeFoot - 0.12f, kTreeFoot, y);
      float bend = 0.012f * std::sin(y * 9.0f);
      bool trunk = y > kCrownY && y < kTreeFoot && std::abs(x - kTreeX - bend) < flare;
      // Limbs fanning out into the crown; they show through its gaps.
      for (float side : {-1.0f, -0.45f, 0.5f, 1.0f}) {
        float top = kCrownY - 0.1f * (1.1f - std::abs(side)), bottom = kCrownY + 0.3f;
        if (y > top && y < bottom) {
          float t = (bottom - y) / (bottom - top);
          float limb = kTreeX + side * t * t * 0.3f;
          if (std::abs(x - limb) < 0.015f * (1.3f - t * 0.7f)) trunk = true;
        }
      }
      if (trunk) {
        float bark = 0.8f + 0.3f * Fbm(x * 4, y * 0.5f, {.period = 16, .octaves = 3, .gain = 0.5f, .seed = 3});
        float side = Clamp01((x - kTreeX + flare) / (2 * flare));
        c = Mix(Rgb8(52, 38, 28), Rgb8(112, 86, 62), side) * bark;
      }
      // Crown: union of the leaf masses with a ragged edge that lets the sky through in places.
      float ragged = 0.3f * Fbm(x * 2, y * 2, {.period = 16, .octaves = 4, .gain = 0.6f, .seed = 23});
      float density = -1;
      const Blob* front = nullptr;
      for (const Blob& b : blobs) {
        float d = 1.0f - std::hypot(x - b.x, y - b.y) / b.r;
        if (d > density) {
          density = d;
          front = &b;
        }
      }
      // Leaf clusters scallop the outline; a few gaps let the sky and the limbs show.
      float cluster = 1.0f - Clamp01(CellDistance(x, y, 40, 71));
      float edge = density + ragged + 0.2f * (cluster - 0.5f);
      float gap = Fbm(x * 2, y * 2, {.period = 12, .octaves = 3, .gain = 0.5f, .seed = 83});
      if (edge > 0 && !(gap > 0.42f && edge < 0.45f)) {
        // Light from the upper right: the crown as a whole, its masses, and leaf clusters.
        float nx = (x - kCrownX) / kCrownRx, ny = (y - kCrownY) / kCrownRy;
        float whole = Clamp01(0.5f + 0.5f * (nx * 0.55f - ny * 0.65f));
        float bx = (x - front->x) / front->r, by = (y - front->y) / front->r;
        float mass = Clamp01(0.45f + 0.75f * (bx * 0.5f - by * 0.75f));
        float light = Clamp01(0.5f * whole + 0.5f * mass + 0.35f * cluster - 0.2f);
        light *= 1.0f - 0.35f * Smoothstep(kCrownY, kCrownY + kCrownRy, y);  // shaded underside
        float depth = Smoothstep(-0.1f, 0.6f, edge);  // darker deep inside, brighter rim
        // Leaves speckle the crown in cells of half a design pixel, whatever the sampling.
        float leaf = 0.85f + 0.3f * HashUnit(std::uint32_t(x * kLeafCells), std::uint32_t(y * kLeafCells), 31);
        c = Mix(Rgb8(18, 40, 16), Rgb8(124, 168, 60), light * (1.0f - 0.25f * depth)) * leaf;
      }
      image.At(px, py) = c;
    }
  }
  return ShrinkBox(image, options.samples);
}

}  // namespace artgen
