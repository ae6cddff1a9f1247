#include "Hourglass.h"

#include <cmath>

namespace artgen {
namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kCapRed{200, 16, 16};
constexpr Rgb kCapDark{120, 0, 0};
constexpr Rgb kGlass{192, 192, 192};
constexpr Rgb kGlassEdge{104, 104, 104};
constexpr Rgb kSand{224, 192, 96};

// Caps: rows 2-5 and 26-29; the glass fills the rows between them.
constexpr int kCapLeft = 5, kCapRight = 26;
constexpr int kGlassTop = 6, kGlassBottom = 25;
constexpr float kCentre = 15.5f;

// Half width of the glass at a height in design units: wide under the caps, narrowing to a waist in
// the middle.
float HalfWidth(float y) {
  float t = std::abs(y - 16.0f) / (16.0f - kGlassTop);  // 0 at the waist, 1 at a cap
  return 1.0f + 7.5f * std::pow(t, 0.7f);
}

}  // namespace

RgbImage Hourglass(int scale) {
  const int s = scale, n = kHourglassSize * s;
  RgbImage image{n, n, std::vector<std::uint8_t>(std::size_t(n) * n * 3)};
  auto set = [&](int x, int y, Rgb c) {
    std::uint8_t* p = &image.rgb[(std::size_t(y) * n + x) * 3];
    p[0] = c.r, p[1] = c.g, p[2] = c.b;
  };
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) set(x, y, kMagenta);

  // Each pixel row follows the outline at its own height, so a larger drawing has a smoother curve;
  // lines stay one design unit thick.
  for (int y = kGlassTop * s; y < (kGlassBottom + 1) * s; ++y) {
    float half = HalfWidth((float(y) + 0.5f) / float(s));
    int left = int(std::floor((kCentre - half + 0.5f) * float(s))), right = n - 1 - left;  // symmetric
    for (int x = left; x <= right; ++x) {
      bool edge = x < left + s || x > right - s;
      // Sand rests in the lower bulb, below the waist.
      bool sand = y >= 20 * s;
      set(x, y, edge ? kGlassEdge : sand ? kSand : kGlass);
    }
  }
  for (int top : {2, 26})
    for (int y = top * s; y < (top + 4) * s; ++y)
      for (int x = kCapLeft * s; x < (kCapRight + 1) * s; ++x) {
        bool rim = y < 3 * s || y >= 29 * s || x < (kCapLeft + 1) * s || x >= kCapRight * s;
        set(x, y, rim ? kCapDark : kCapRed);
      }
  return image;
}

}  // namespace artgen
