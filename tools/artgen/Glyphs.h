#pragma once
// The button glyphs and language flags, anti-aliased on a transparent background: designed on a
// 16x16 grid and drawn `scale` times that size (2 for high-DPI screens).
#include <functional>
#include <optional>

#include "Raster.h"

namespace artgen {

// Colour of the drawing at a point in pixel units (0..size), or nothing where it is transparent.
using Painter = std::function<std::optional<Color>(float x, float y)>;

// Straight-alpha image: each pixel's alpha is the covered share of its samples
// (`samples` x `samples` per pixel), its colour the mean colour of the covered samples.
RgbaImage RenderCoverage(const Painter& paint, int width, int height, int samples = 8);

inline constexpr int kGlyphSize = 16;

RgbaImage GlyphNext(int scale = 1);       // red triangle pointing right
RgbaImage GlyphPrevious(int scale = 1);   // red triangle pointing left
RgbaImage GlyphQuit(int scale = 1);       // white cross on a red square
RgbaImage GlyphUninstall(int scale = 1);  // thin red cross
RgbaImage FlagFrench(int scale = 1);
RgbaImage FlagEnglish(int scale = 1);     // left half American, right half British

}  // namespace artgen
