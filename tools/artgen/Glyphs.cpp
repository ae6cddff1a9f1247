#include "Glyphs.h"

#include <cmath>

namespace artgen {

RgbaImage RenderCoverage(const Painter& paint, int width, int height, int samples) {
  RgbaImage out(width, height);
  const float step = 1.0f / float(samples);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Color sum;
      int covered = 0;
      for (int j = 0; j < samples; ++j)
        for (int i = 0; i < samples; ++i)
          if (auto c = paint(x + (i + 0.5f) * step, y + (j + 0.5f) * step)) {
            sum = sum + *c;
            ++covered;
          }
      std::uint8_t* p = out.At(x, y);
      if (covered == 0) continue;  // fully transparent stays black with alpha 0
      Color mean = sum * (1.0f / float(covered));
      p[0] = ToByte(mean.r);
      p[1] = ToByte(mean.g);
      p[2] = ToByte(mean.b);
      p[3] = ToByte(float(covered) / float(samples * samples));
    }
  }
  return out;
}

namespace {

constexpr Color kRedLight = Rgb8(240, 64, 52);
constexpr Color kRedDark = Rgb8(168, 16, 16);
constexpr Color kOutline = Rgb8(112, 8, 8);
constexpr Color kWhite = Rgb8(255, 255, 255);

// Signed distance to the edge of a triangle (negative inside), for outlines of even width.
float TriangleDistance(float x, float y, const float (&v)[3][2]) {
  float worst = -1e9f;
  for (int k = 0; k < 3; ++k) {
    const float* a = v[k];
    const float* b = v[(k + 1) % 3];
    float ex = b[0] - a[0], ey = b[1] - a[1];
    float len = std::hypot(ex, ey);
    // Outward normal, for vertices listed clockwise on screen (y down).
    float nx = ey / len, ny = -ex / len;
    worst = std::max(worst, (x - a[0]) * nx + (y - a[1]) * ny);
  }
  return worst;
}

// Distance from a point to a segment.
float SegmentDistance(float x, float y, float ax, float ay, float bx, float by) {
  float dx = bx - ax, dy = by - ay;
  float t = Clamp01(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy));
  return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

std::optional<Color> Arrow(float x, float y) {
  static constexpr float kTriangle[3][2] = {{4.0f, 2.0f}, {13.5f, 8.0f}, {4.0f, 14.0f}};
  float d = TriangleDistance(x, y, kTriangle);
  if (d > 0) return std::nullopt;
  if (d > -1.0f) return kOutline;
  // Lit from the top left: light at the top, deeper red at the bottom.
  return Mix(kRedLight, kRedDark, Clamp01((y - 3.0f) / 10.0f));
}

// The painter works in design units whatever the scale, so every size shows the same drawing.
RgbaImage RenderGlyph(const Painter& paint, int scale) {
  const float unit = 1.0f / float(scale);
  return RenderCoverage([&](float x, float y) { return paint(x * unit, y * unit); }, kGlyphSize * scale,
                        kGlyphSize * scale);
}

RgbaImage Mirrored(const RgbaImage& image) {
  RgbaImage out(image.width, image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* s = image.At(image.width - 1 - x, y);
      std::copy(s, s + 4, out.At(x, y));
    }
  return out;
}

}  // namespace

RgbaImage GlyphNext(int scale) { return RenderGlyph(Arrow, scale); }

RgbaImage GlyphPrevious(int scale) { return Mirrored(GlyphNext(scale)); }

RgbaImage GlyphQuit(int scale) {
  return RenderGlyph(
      [](float x, float y) -> std::optional<Color> {
        // Rounded square from 1 to 15 with a corner radius of 2.5.
        float qx = std::max(std::abs(x - 8.0f) - 4.5f, 0.0f), qy = std::max(std::abs(y - 8.0f) - 4.5f, 0.0f);
        float edge = std::hypot(qx, qy) - 2.5f;
        if (edge > 0) return std::nullopt;
        float cross = std::min(SegmentDistance(x, y, 5, 5, 11, 11), SegmentDistance(x, y, 11, 5, 5, 11));
        if (cross < 1.25f) return kWhite;
        if (edge > -1.0f) return kOutline;
        return Mix(kRedLight, kRedDark, Clamp01((y - 2.0f) / 12.0f));
      },
      scale);
}

RgbaImage GlyphUninstall(int scale) {
  return RenderGlyph(
      [](float x, float y) -> std::optional<Color> {
        float d = std::min(SegmentDistance(x, y, 3.5f, 3.5f, 12.5f, 12.5f),
                           SegmentDistance(x, y, 12.5f, 3.5f, 3.5f, 12.5f));
        if (d > 1.0f) return std::nullopt;
        return Mix(kRedLight, kRedDark, Clamp01((y - 3.0f) / 10.0f));
      },
      scale);
}

namespace {

// Flags fill a 16x11 band with its top at row 2; outside it the cell is transparent.
constexpr float kFlagTop = 2, kFlagHeight = 11;

constexpr Color kFrenchBlue = Rgb8(0, 38, 150);
constexpr Color kFrenchRed = Rgb8(232, 40, 56);
constexpr Color kUsRed = Rgb8(190, 20, 48);
constexpr Color kUsBlue = Rgb8(30, 40, 110);
constexpr Color kUkBlue = Rgb8(1, 33, 105);
constexpr Color kUkRed = Rgb8(200, 16, 46);

// The fly half of the British flag, drawn pixel by pixel: at 8 x 11 pixels a geometric drawing
// smears the diagonals into pink. Column 0 is the middle of the flag's red upright.
constexpr const char* kBritishHalf[11] = {
    "RWBBBBWR", "RWBBBWRW", "RWBWRWBB", "RWWWWWWW", "RRRRRRRR", "RRRRRRRR",
    "RRRRRRRR", "RWWWWWWW", "RWBWRWBB", "RWBBBWRW", "RWBBBBWR",
};

Color BritishHalf(int x, int y) {
  switch (kBritishHalf[y][x]) {
    case 'R': return kUkRed;
    case 'W': return kWhite;
    default: return kUkBlue;
  }
}

}  // namespace

RgbaImage FlagFrench(int scale) {
  return RenderGlyph(
      [](float x, float y) -> std::optional<Color> {
        if (y < kFlagTop || y >= kFlagTop + kFlagHeight) return std::nullopt;
        if (x < 5) return kFrenchBlue;
        if (x < 11) return kWhite;
        return kFrenchRed;
      },
      scale);
}

RgbaImage FlagEnglish(int scale) {
  return RenderGlyph(
      [](float x, float y) -> std::optional<Color> {
        if (y < kFlagTop || y >= kFlagTop + kFlagHeight) return std::nullopt;
        float fy = y - kFlagTop;
        if (x < 8) {
          int row = int(fy);
          if (x < 5 && row < 6) {
            // The canton, with stars as single white points on alternate pixels.
            int px = int(x), py = row;
            bool star = px >= 1 && py >= 1 && py <= 4 && (px + py) % 2 == 0;
            return star ? Rgb8(230, 230, 240) : kUsBlue;
          }
          return row % 2 == 0 ? kUsRed : kWhite;
        }
        return BritishHalf(int(x) - 8, int(fy));
      },
      scale);
}

}  // namespace artgen
