#include "Artwork.h"

#include <array>
#include <functional>
#include <optional>

#include "Banner.h"
#include "Glyphs.h"
#include "Grass.h"
#include "Hourglass.h"
#include "Parallel.h"
#include "Resample.h"
#include "Scene.h"
#include "TestGrid.h"

namespace artgen {
namespace {

constexpr int kJpegQuality = 90;
constexpr int kVariants = 5;

// Drawing options at the design size and at twice that size. A pixel at twice the size covers a
// quarter of the area, so fewer samples per side still give each design pixel more samples than at
// the design size (16 against 9 for the views, 36 against 16 for the banner), at a fraction of the cost.
constexpr std::array<ViewOptions, 2> kViews = {{{300, 200, 3}, {600, 400, 2}}};
constexpr std::array<BannerOptions, 2> kBanners = {{{1, 4}, {2, 3}}};

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

std::string NameAt(const std::string& name, int scale) { return scale == 1 ? name : DoubleSizeName(name); }

// A row of views of the flight scene, each over its own ground.
struct Strip {
  std::string name;
  std::vector<const MipChain*> grounds;
};

}  // namespace

std::string DoubleSizeName(std::string_view name) {
  std::size_t slash = name.rfind('/');
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) dot = name.size();
  return std::string(name.substr(0, dot)) + "_2x" + std::string(name.substr(dot));
}

std::vector<ArtFile> MakeArtwork() {
  // Payload textures; the 512 and 256 ones are filtered halvings of the 1024 drawing.
  std::array<std::array<FloatImage, 3>, kVariants> textures;
  std::array<std::array<std::optional<MipChain>, 3>, kVariants> chains;
  FloatImage grid;
  std::optional<MipChain> gridChain;
  std::vector<std::function<void()>> jobs;
  for (int v = 0; v < kVariants; ++v)
    jobs.push_back([&, v] {
      textures[v][0] = Quantized(MakeGrass(GrassStyles()[v], 1024));
      for (int r = 1; r < 3; ++r) textures[v][r] = Quantized(HalveTiling(textures[v][r - 1]));
      for (int r = 0; r < 3; ++r) chains[v][r].emplace(textures[v][r]);
    });
  jobs.push_back([&] {
    grid = MakeTestGrid(1024);
    gridChain.emplace(grid);
  });
  RunInParallel(jobs);

  // Variant strip: the same view over each variation at full size, then over the test grid.
  // Resolution strips: each variation at 1024, 512 and 256.
  std::vector<Strip> strips(1 + kVariants);
  strips[0].name = "variants.jpg";
  for (int v = 0; v < kVariants; ++v) {
    strips[0].grounds.push_back(&*chains[v][0]);
    strips[1 + v] = {"resolutions" + std::to_string(v + 1) + ".jpg", {&*chains[v][0], &*chains[v][1], &*chains[v][2]}};
  }
  strips[0].grounds.push_back(&*gridChain);

  // Every view and the banner at both sizes, one job each; the slowest first, so the threads end together.
  std::array<std::vector<FloatImage>, 2> stripImages;
  std::array<FloatImage, 2> banners;
  jobs.clear();
  for (int s = 1; s >= 0; --s) jobs.push_back([&, s] { banners[s] = RenderBanner(*chains[1][0], kBanners[s]); });
  for (int s = 1; s >= 0; --s) {
    const ViewOptions& view = kViews[s];
    stripImages[s].reserve(strips.size());  // the jobs hold on to the images
    for (const Strip& strip : strips) {
      FloatImage& image = stripImages[s].emplace_back(view.width * int(strip.grounds.size()), view.height);
      for (std::size_t k = 0; k < strip.grounds.size(); ++k)
        jobs.push_back([&image, &view, ground = strip.grounds[k], left = int(k) * view.width] {
          Paste(image, RenderFlightView(*ground, view), left);
        });
    }
  }
  RunInParallel(jobs);

  // Encoding, each file on its own.
  std::vector<ArtFile> files;
  std::vector<std::function<Bytes()>> encoders;
  auto add = [&](std::string name, std::function<Bytes()> encode) {
    files.push_back({std::move(name), {}});
    encoders.push_back(std::move(encode));
  };
  static constexpr const char* kSizes[3] = {"1024", "512", "256"};
  for (int v = 0; v < kVariants; ++v)
    for (int r = 0; r < 3; ++r)
      add("payload/T" + std::to_string(v + 1) + "_" + kSizes[r] + ".bmp",
          [&image = textures[v][r]] { return EncodeBmp24(ToRgb(image)); });
  add("payload/T6.bmp", [&] { return EncodeBmp24(ToRgb(grid)); });

  struct Glyph {
    const char* name;
    RgbaImage (*draw)(int scale);
  };
  static constexpr Glyph kGlyphs[] = {
      {"glyph_next.bmp", GlyphNext}, {"glyph_previous.bmp", GlyphPrevious}, {"glyph_quit.bmp", GlyphQuit},
      {"glyph_uninstall.bmp", GlyphUninstall}, {"flag_fr.bmp", FlagFrench}, {"flag_en.bmp", FlagEnglish},
  };
  for (int s = 0; s < 2; ++s) {
    const int scale = s + 1;
    for (std::size_t i = 0; i < strips.size(); ++i)
      add(NameAt(strips[i].name, scale),
          [&image = stripImages[s][i]] { return EncodeJpeg(ToRgb(image), kJpegQuality); });
    add(NameAt("banner.jpg", scale), [&image = banners[s]] { return EncodeJpeg(ToRgb(image), kJpegQuality); });
    for (const Glyph& glyph : kGlyphs)
      add(NameAt(glyph.name, scale), [glyph, scale] { return EncodeBmp32(glyph.draw(scale)); });
    add(NameAt("hourglass.bmp", scale), [scale] { return EncodeBmp24(Hourglass(scale)); });
  }
  jobs.clear();
  for (std::size_t i = 0; i < files.size(); ++i)
    jobs.push_back([&, i] { files[i].data = encoders[i](); });
  RunInParallel(jobs);
  return files;
}

}  // namespace artgen
