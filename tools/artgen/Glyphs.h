#pragma once
// The 16x16 button glyphs and language flags, anti-aliased on a transparent background.
#include <functional>
#include <optional>

#include "Raster.h"

namespace artgen {

// Colour of the drawing at a point in pixel units (0..size), or nothing where it is transparent.
using Painter = std::function<std::optional<Color>(float x, float y)>;

// Straight-alpha image: each pixel's alpha is the covered share of its samples
// (`samples` x `samples` per pixel), its colour the mean colour of the covered samples.
RgbaImage RenderCoverage(const Painter& paint, int width, int height, int samples = 8);

RgbaImage GlyphNext();       // red triangle pointing right
RgbaImage GlyphPrevious();   // red triangle pointing left
RgbaImage GlyphQuit();       // white cross on a red square
RgbaImage GlyphUninstall();  // thin red cross
RgbaImage FlagFrench();
RgbaImage FlagEnglish();     // left half American, right half British

}  // namespace artgen
