#include "Banner.h"

#include <cmath>
#include <vector>

#include "Noise.h"
#include "Random.h"

namespace artgen {
namespace {

constexpr int kWidth = 105, kHeight = 233, kSamples = 4;

struct Blob {
  float x, y, r;
};

// The crown: overlapping leaf clusters around a centre, drawn with ragged edges.
std::vector<Blob> CrownBlobs(float cx, float cy, float radius) {
  Random random(4242);
  std::vector<Blob> blobs;
  for (int i = 0; i < 26; ++i) {
    float a = random.Range(0, 6.2831853f), d = std::sqrt(random.Unit()) * radius * 0.75f;
    blobs.push_back({cx + std::cos(a) * d, cy + std::sin(a) * d * 0.9f, radius * random.Range(0.28f, 0.45f)});
  }
  return blobs;
}

}  // namespace

FloatImage RenderBanner(const MipChain& meadow) {
  const int w = kWidth * kSamples, h = kHeight * kSamples;
  const float horizon = h * 0.60f;
  FloatImage image(w, h);

  const float treeX = w * 0.46f, groundY = h * 0.74f;
  const float crownX = treeX, crownY = h * 0.40f, crownR = w * 0.40f;
  const std::vector<Blob> blobs = CrownBlobs(crownX, crownY, crownR);

  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      float u = float(x) / w, v = float(y) / h;
      Color c;
      if (y < horizon) {
        float t = float(y) / horizon;
        c = Mix(Rgb8(64, 116, 192), Rgb8(198, 214, 228), std::pow(t, 1.6f));
        float cloud = Fbm(u * 0.7f, v * 0.35f, {.period = 4, .octaves = 5, .gain = 0.55f, .seed = 17});
        c = Mix(c, Rgb8(250, 250, 248), Smoothstep(0.1f, 0.5f, cloud) * (1 - t) * 0.9f);
        // Two ranges of hills, the far one paler.
        float far = horizon - h * (0.05f + 0.03f * Fbm(u * 0.5f, 0.3f, {.period = 3, .octaves = 4, .gain = 0.5f, .seed = 5}));
        float nearHill = horizon - h * (0.02f + 0.025f * Fbm(u * 0.5f, 0.7f, {.period = 2, .octaves = 4, .gain = 0.5f, .seed = 9}));
        if (y > far) c = Rgb8(128, 152, 156);
        if (y > nearHill) c = Mix(Rgb8(74, 110, 64), Rgb8(120, 146, 120), 0.4f);
      } else {
        // Meadow seen from eye height: distance grows as rows near the horizon.
        float rows = (y - horizon + 0.5f) / (h - horizon);
        float distance = 1.7f / (rows * 0.55f);
        float gx = (u - 0.5f) * distance * 1.2f;
        float footprint = distance * 1.2f / w / 30.0f / std::sqrt(rows * 0.55f);
        c = meadow.Sample(gx / 30.0f, distance / 30.0f, footprint);
        c = Mix(c, Rgb8(170, 186, 180), Clamp01(1.0f - rows * 3.0f) * 0.5f);
        // The tree's shadow, stretching to the right.
        float sx = (x - treeX - w * 0.12f) / (w * 0.32f), sy = (y - groundY) / (h * 0.025f);
        if (sx * sx + sy * sy < 1) c = c * 0.55f;
      }
      // Trunk, slightly wider at its foot, with two branches into the crown.
      float trunkHalf = w * (0.035f + 0.03f * Smoothstep(groundY - h * 0.06f, groundY, float(y)));
      bool trunk = y > crownY && y < groundY && std::abs(x - treeX) < trunkHalf;
      for (float side : {-1.0f, 1.0f}) {
        float by0 = crownY + h * 0.12f, by1 = crownY - h * 0.02f;
        if (y < by0 && y > by1) {
          float t = (by0 - y) / (by0 - by1);
          float bx = treeX + side * t * w * 0.18f;
          if (std::abs(x - bx) < w * 0.018f) trunk = true;
        }
      }
      if (trunk) {
        float bark = 0.8f + 0.2f * HashUnit(std::uint32_t(x / 3), std::uint32_t(y / 9), 3);
        c = Mix(Rgb8(64, 44, 30), Rgb8(104, 78, 54), Clamp01((x - treeX + trunkHalf) / (2 * trunkHalf))) * bark;
      }
      // Crown: leaves where the ragged union of clusters covers the point, lit from the upper right.
      float ragged = 0.16f * Fbm(u * 2, v * 2, {.period = 16, .octaves = 4, .gain = 0.6f, .seed = 23});
      float best = -1e9f;
      const Blob* top = nullptr;
      for (const Blob& b : blobs) {
        float d = 1.0f - std::hypot(x - b.x, y - b.y) / b.r + ragged;
        if (d > 0 && d > best - 0.35f) {  // later clusters lie in front
          best = d;
          top = &b;
        }
      }
      if (top) {
        float lx = (x - top->x) / top->r, ly = (y - top->y) / top->r;
        float light = Clamp01(0.55f + 0.45f * (lx * 0.6f - ly * 0.8f));
        float overall = Clamp01(0.6f + 0.6f * ((x - crownX) / crownR * 0.4f - (y - crownY) / crownR * 0.6f));
        float leaves = 0.75f + 0.5f * HashUnit(std::uint32_t(x / 2), std::uint32_t(y / 2), 31);
        c = Mix(Rgb8(24, 52, 20), Rgb8(112, 156, 56), light * overall) * leaves;
      }
      image.At(x, y) = c;
    }
  }
  return ShrinkBox(image, kSamples);
}

}  // namespace artgen
