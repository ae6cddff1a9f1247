#include "ui/base/DpiPictures.h"

#include <cstdlib>

#include "ui/base/DpiScaling.h"
#include "ui/base/ImageResize.h"

namespace ui {

std::string DoubleSizeName(std::string_view fileName) {
  const size_t dot = fileName.rfind('.');
  const size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return std::string(fileName) + "_2x";
  return std::string(fileName.substr(0, dot)) + "_2x" + std::string(fileName.substr(dot));
}

int DrawingScaleFor(int dpi) {
  return std::abs(dpi - kDesignDpi) < std::abs(dpi - 2 * kDesignDpi) ? 1 : 2;
}

Image PictureForDpi(const DrawingLoader& load, int dpi) {
  if (!load) return {};
  int scale = DrawingScaleFor(dpi);
  Image drawing = load(scale);
  if (drawing.Empty()) {
    scale = 3 - scale;
    drawing = load(scale);
  }
  if (drawing.Empty()) return {};
  return ResizeImage(drawing, Scale(drawing.width / scale, dpi), Scale(drawing.height / scale, dpi));
}

}  // namespace ui
