#pragma once
// Smooth resizing of pictures for displays above or below their drawn size.
#include "ui/base/Image.h"

namespace ui {

// The image at the given size: each output pixel averages the source pixels it covers when
// shrinking, and is interpolated between its nearest source pixels when enlarging. Colours are
// weighted by their alpha, so transparent pixels leave no dark fringe. The same size gives a copy.
Image ResizeImage(const Image& source, int width, int height);

}  // namespace ui
