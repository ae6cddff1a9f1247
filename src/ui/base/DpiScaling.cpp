#include "ui/base/DpiScaling.h"

#include <cstdint>

namespace ui {

int Scale(int design, int dpi) {
  const int64_t product = static_cast<int64_t>(design) * dpi;
  const int64_t half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

int Unscale(int pixels, int dpi) {
  if (pixels <= 0) return 0;
  return static_cast<int>((static_cast<int64_t>(pixels) * kDesignDpi + dpi - 1) / dpi);
}

Rect ScaleRect(const Rect& design, int dpi) {
  const int left = Scale(design.x, dpi), top = Scale(design.y, dpi);
  return {left, top, Scale(design.x + design.w, dpi) - left, Scale(design.y + design.h, dpi) - top};
}

int UsableDpi(int dpi) { return dpi >= 48 && dpi <= 960 ? dpi : kDesignDpi; }

}  // namespace ui
