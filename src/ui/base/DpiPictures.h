#pragma once
// Pictures are drawn at their design size and at twice it; a window picks the drawing nearer its DPI
// and resizes it smoothly to the design size at that DPI.
#include <functional>
#include <string>
#include <string_view>

#include "ui/base/Image.h"

namespace ui {

// The file of the drawing at twice the design size: "banner.jpg" gives "banner_2x.jpg".
std::string DoubleSizeName(std::string_view fileName);

// 1 (the design-size drawing) or 2 (the double-size one), whichever was drawn nearer the DPI; halfway
// takes the larger, which is only ever shrunk.
int DrawingScaleFor(int dpi);

// Gives the drawing at a scale (1 or 2), or an empty image when there is none.
using DrawingLoader = std::function<Image(int scale)>;

// The picture for a DPI: the nearer drawing (the other one when it is missing) at the design size
// scaled to the DPI. At 96 DPI that is the design-size drawing itself.
Image PictureForDpi(const DrawingLoader& load, int dpi);

}  // namespace ui
