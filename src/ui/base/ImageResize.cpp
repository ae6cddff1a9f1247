#include "ui/base/ImageResize.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {

namespace {

struct Tap {
  int index;
  float weight;
};

// For each output position along one axis, the source positions it draws from and their weights.
std::vector<std::vector<Tap>> AxisTaps(int from, int to) {
  std::vector<std::vector<Tap>> taps(static_cast<size_t>(to));
  const double ratio = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    std::vector<Tap>& t = taps[static_cast<size_t>(i)];
    if (from > to) {
      // Area average over the source span [start, end).
      const double start = i * ratio, end = (i + 1) * ratio;
      for (int s = static_cast<int>(start); s < from && s < end; ++s) {
        const double covered = std::min<double>(s + 1, end) - std::max<double>(s, start);
        if (covered > 0) t.push_back({s, static_cast<float>(covered / ratio)});
      }
    } else {
      // Linear interpolation between the two nearest source centres, clamped at the edges.
      const double centre = std::clamp((i + 0.5) * ratio - 0.5, 0.0, static_cast<double>(from - 1));
      const int left = static_cast<int>(centre);
      const float share = static_cast<float>(centre - left);
      t.push_back({left, 1.0f - share});
      if (share > 0 && left + 1 < from) t.push_back({left + 1, share});
    }
  }
  return taps;
}

// Rows of premultiplied blue, green, red, alpha in 0..255.
using Plane = std::vector<float>;

Plane Premultiplied(const Image& image) {
  Plane out(image.bgra.size());
  for (size_t i = 0; i < image.bgra.size(); i += 4) {
    const float alpha = image.bgra[i + 3] / 255.0f;
    for (size_t k = 0; k < 3; ++k) out[i + k] = image.bgra[i + k] * alpha;
    out[i + 3] = image.bgra[i + 3];
  }
  return out;
}

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

Image ResizeImage(const Image& source, int width, int height) {
  if (source.Empty() || width <= 0 || height <= 0) return {};
  if (width == source.width && height == source.height) return source;
  const Plane in = Premultiplied(source);
  const auto across = AxisTaps(source.width, width);
  const auto down = AxisTaps(source.height, height);

  // Across first, into width x source.height, then down.
  Plane wide(static_cast<size_t>(width) * source.height * 4, 0.0f);
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < width; ++x) {
      float* out = &wide[(static_cast<size_t>(y) * width + x) * 4];
      for (const Tap& t : across[static_cast<size_t>(x)]) {
        const float* p = &in[(static_cast<size_t>(y) * source.width + t.index) * 4];
        for (int k = 0; k < 4; ++k) out[k] += p[k] * t.weight;
      }
    }
  Image result{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      float sum[4] = {0, 0, 0, 0};
      for (const Tap& t : down[static_cast<size_t>(y)]) {
        const float* p = &wide[(static_cast<size_t>(t.index) * width + x) * 4];
        for (int k = 0; k < 4; ++k) sum[k] += p[k] * t.weight;
      }
      uint8_t* out = &result.bgra[(static_cast<size_t>(y) * width + x) * 4];
      const uint8_t alpha = ToByte(sum[3]);
      out[3] = alpha;
      if (alpha == 0) continue;  // fully transparent: black, as the drawings leave it
      const float unweight = 255.0f / sum[3];
      for (int k = 0; k < 3; ++k) out[k] = ToByte(sum[k] * unweight);
    }
  return result;
}

}  // namespace ui
