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

// Half width of the glass at a row: wide under the caps, narrowing to a waist in the middle.
float HalfWidth(int y) {
  float t = std::abs((y + 0.5f) - 16.0f) / (16.0f - kGlassTop);  // 0 at the waist, 1 at a cap
  return 1.0f + 7.5f * std::pow(t, 0.7f);
}

}  // namespace

RgbImage Hourglass() {
  const int n = kHourglassSize;
  RgbImage image{n, n, std::vector<std::uint8_t>(std::size_t(n) * n * 3)};
  auto set = [&](int x, int y, Rgb c) {
    std::uint8_t* p = &image.rgb[(std::size_t(y) * n + x) * 3];
    p[0] = c.r, p[1] = c.g, p[2] = c.b;
  };
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) set(x, y, kMagenta);

  for (int y = kGlassTop; y <= kGlassBottom; ++y) {
    float half = HalfWidth(y);
    int left = int(std::floor(kCentre - half + 0.5f)), right = n - 1 - left;  // symmetric
    for (int x = left; x <= right; ++x) {
      // Sand rests in the lower bulb, below the waist.
      bool sand = y >= 20 && x > left && x < right;
      set(x, y, x == left || x == right ? kGlassEdge : sand ? kSand : kGlass);
    }
  }
  for (int y : {2, 3, 4, 5, 26, 27, 28, 29})
    for (int x = kCapLeft; x <= kCapRight; ++x) {
      bool rim = y == 2 || y == 29 || x == kCapLeft || x == kCapRight;
      set(x, y, rim ? kCapDark : kCapRed);
    }
  return image;
}

}  // namespace artgen
