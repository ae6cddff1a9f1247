#include "Artwork.h"

#include <array>

#include "Banner.h"
#include "Glyphs.h"
#include "Grass.h"
#include "Hourglass.h"
#include "Resample.h"
#include "Scene.h"
#include "TestGrid.h"

namespace artgen {
namespace {

constexpr int kJpegQuality = 90;
constexpr int kViewWidth = 300, kViewHeight = 200;

// What a shipped 8-bit file holds, so the previews show exactly the payload.
FloatImage Quantized(const FloatImage& image) {
  FloatImage out = image;
  for (Color& c : out.pixels)
    c = {ToByte(c.r) / 255.0f, ToByte(c.g) / 255.0f, ToByte(c.b) / 255.0f};
  return out;
}

void Paste(FloatImage& strip, const FloatImage& view, int left) {
  for (int y = 0; y < view.height; ++y)
    for (int x = 0; x < view.width; ++x) strip.At(left + x, y) = view.At(x, y);
}

}  // namespace

std::vector<ArtFile> MakeArtwork() {
  std::vector<ArtFile> files;
  auto bmp = [&](std::string name, const FloatImage& image) {
    files.push_back({std::move(name), EncodeBmp24(ToRgb(image))});
  };
  auto jpeg = [&](std::string name, const FloatImage& image) {
    files.push_back({std::move(name), EncodeJpeg(ToRgb(image), kJpegQuality)});
  };

  // Payload textures; the 512 and 256 ones are filtered halvings of the 1024 drawing.
  std::array<std::array<FloatImage, 3>, 5> textures;
  for (int v = 0; v < 5; ++v) {
    FloatImage full = Quantized(MakeGrass(GrassStyles()[v], 1024));
    textures[v][1] = Quantized(HalveTiling(full));
    textures[v][2] = Quantized(HalveTiling(textures[v][1]));
    textures[v][0] = std::move(full);
    static constexpr const char* kSizes[3] = {"1024", "512", "256"};
    for (int r = 0; r < 3; ++r)
      bmp("payload/T" + std::to_string(v + 1) + "_" + kSizes[r] + ".bmp", textures[v][r]);
  }
  FloatImage grid = MakeTestGrid(1024);
  bmp("payload/T6.bmp", grid);

  // Variant strip: the same view over each variation at full size, then over the test grid.
  FloatImage variants(kViewWidth * 6, kViewHeight);
  for (int v = 0; v < 6; ++v) {
    MipChain chain(v < 5 ? textures[v][0] : grid);
    Paste(variants, RenderFlightView(chain), v * kViewWidth);
  }
  jpeg("variants.jpg", variants);

  // Resolution strips: each variation at 1024, 512 and 256.
  for (int v = 0; v < 5; ++v) {
    FloatImage strip(kViewWidth * 3, kViewHeight);
    for (int r = 0; r < 3; ++r) Paste(strip, RenderFlightView(MipChain(textures[v][r])), r * kViewWidth);
    jpeg("resolutions" + std::to_string(v + 1) + ".jpg", strip);
  }

  jpeg("banner.jpg", RenderBanner(MipChain(textures[1][0])));

  auto glyph = [&](std::string name, const RgbaImage& image) {
    files.push_back({std::move(name), EncodeBmp32(image)});
  };
  glyph("glyph_next.bmp", GlyphNext());
  glyph("glyph_previous.bmp", GlyphPrevious());
  glyph("glyph_quit.bmp", GlyphQuit());
  glyph("glyph_uninstall.bmp", GlyphUninstall());
  glyph("flag_fr.bmp", FlagFrench());
  glyph("flag_en.bmp", FlagEnglish());
  files.push_back({"hourglass.bmp", EncodeBmp24(Hourglass())});
  return files;
}

}  // namespace artgen
