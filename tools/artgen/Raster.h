#pragma once
// Pixel buffers of the generator: float colour while drawing, bytes when writing files.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace artgen {

struct Color {
  float r = 0, g = 0, b = 0;
};

inline Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Color operator-(Color a, Color b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Color operator*(Color a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Color operator*(Color a, Color b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Color Mix(Color a, Color b, float t) { return a + (b - a) * t; }
inline float Luma(Color c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }
constexpr Color Rgb8(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float Smoothstep(float edge0, float edge1, float x) {
  float t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}
inline std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(Clamp01(v) * 255.0f + 0.5f); }

// Row-major, top row first, colour in 0..1 (sRGB values, no gamma handling).
struct FloatImage {
  int width = 0, height = 0;
  std::vector<Color> pixels;

  FloatImage() = default;
  FloatImage(int w, int h, Color fill = {}) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  Color& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  const Color& At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  // Coordinates taken modulo the size: the image is one tile of an endless plane.
  Color& Wrapped(int x, int y) {
    x %= width, y %= height;
    return At(x < 0 ? x + width : x, y < 0 ? y + height : y);
  }
  const Color& Wrapped(int x, int y) const {
    x %= width, y %= height;
    return At(x < 0 ? x + width : x, y < 0 ? y + height : y);
  }
};

// 8-bit RGB, top row first.
struct RgbImage {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
};

// 8-bit RGBA with straight (not premultiplied) alpha, top row first.
struct RgbaImage {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;

  RgbaImage() = default;
  RgbaImage(int w, int h) : width(w), height(h), rgba(std::size_t(w) * h * 4, 0) {}
  std::uint8_t* At(int x, int y) { return &rgba[(std::size_t(y) * width + x) * 4]; }
  const std::uint8_t* At(int x, int y) const { return &rgba[(std::size_t(y) * width + x) * 4]; }
};

inline RgbImage ToRgb(const FloatImage& image) {
  RgbImage out{image.width, image.height, {}};
  out.rgb.reserve(image.pixels.size() * 3);
  for (const Color& c : image.pixels) {
    out.rgb.push_back(ToByte(c.r));
    out.rgb.push_back(ToByte(c.g));
    out.rgb.push_back(ToByte(c.b));
  }
  return out;
}

}  // namespace artgen
