#pragma once
// Sizes are designed at 96 dots per inch; these scale them to a window's DPI. Only values in, values out.
#include "ui/base/Geometry.h"

namespace ui {

inline constexpr int kDesignDpi = 96;

// A design length at the given DPI, rounded to the nearest pixel (halves away from zero).
int Scale(int design, int dpi);

// The design length that covers at least the given pixels at the given DPI (for measured text).
int Unscale(int pixels, int dpi);

// A design rectangle at the given DPI. Its edges are scaled, not its size: rectangles that touch or
// stay apart in the design still touch or stay apart, whatever the rounding.
Rect ScaleRect(const Rect& design, int dpi);

// A DPI the program can use: unknown or absurd answers from the system count as the design DPI.
int UsableDpi(int dpi);

}  // namespace ui
