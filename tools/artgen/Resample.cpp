#include "Resample.h"

#include <cmath>
#include <stdexcept>

namespace artgen {

FloatImage HalveTiling(const FloatImage& image) {
  if (image.width < 2 || image.height < 2 || image.width % 2 || image.height % 2)
    throw std::invalid_argument("HalveTiling needs even sides");
  static constexpr float kTaps[4] = {1 / 8.0f, 3 / 8.0f, 3 / 8.0f, 1 / 8.0f};
  const FloatImage& source = image;
  FloatImage rows(image.width / 2, image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < rows.width; ++x) {
      Color sum;
      for (int k = 0; k < 4; ++k) sum = sum + source.Wrapped(2 * x - 1 + k, y) * kTaps[k];
      rows.At(x, y) = sum;
    }
  FloatImage out(image.width / 2, image.height / 2);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      Color sum;
      for (int k = 0; k < 4; ++k) sum = sum + rows.Wrapped(x, 2 * y - 1 + k) * kTaps[k];
      out.At(x, y) = sum;
    }
  return out;
}

FloatImage ShrinkBox(const FloatImage& image, int factor) {
  FloatImage out(image.width / factor, image.height / factor);
  const float weight = 1.0f / float(factor * factor);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      Color sum;
      for (int j = 0; j < factor; ++j)
        for (int i = 0; i < factor; ++i) sum = sum + image.At(x * factor + i, y * factor + j);
      out.At(x, y) = sum * weight;
    }
  return out;
}

Color SampleBilinear(const FloatImage& texture, float u, float v) {
  float x = u * texture.width - 0.5f, y = v * texture.height - 0.5f;
  float fx = std::floor(x), fy = std::floor(y);
  float tx = x - fx, ty = y - fy;
  int ix = int(fx) % texture.width, iy = int(fy) % texture.height;
  if (ix < 0) ix += texture.width;
  if (iy < 0) iy += texture.height;
  int jx = ix + 1 == texture.width ? 0 : ix + 1;
  int jy = iy + 1 == texture.height ? 0 : iy + 1;
  Color top = Mix(texture.At(ix, iy), texture.At(jx, iy), tx);
  Color bottom = Mix(texture.At(ix, jy), texture.At(jx, jy), tx);
  return Mix(top, bottom, ty);
}

MipChain::MipChain(FloatImage base) {
  levels_.push_back(std::move(base));
  while (levels_.back().width > 1 && levels_.back().height > 1) levels_.push_back(HalveTiling(levels_.back()));
}

Color MipChain::Sample(float u, float v, float footprint) const {
  // Keep u, v small so float precision holds far away on the ground plane.
  u -= std::floor(u);
  v -= std::floor(v);
  float lod = std::log2(std::max(footprint * float(BaseSize()), 1e-6f));
  float top = float(levels_.size() - 1);
  if (lod <= 0) return SampleBilinear(levels_[0], u, v);
  if (lod >= top) return SampleBilinear(levels_.back(), u, v);
  int level = int(lod);
  float t = lod - float(level);
  return Mix(SampleBilinear(levels_[level], u, v), SampleBilinear(levels_[level + 1], u, v), t);
}

}  // namespace artgen
