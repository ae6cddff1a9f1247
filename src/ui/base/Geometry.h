#pragma once
// Places of windows and controls, as plain values.
#include <ostream>

namespace ui {

// A place relative to the parent's client area: in design units (pixels at 96 DPI) where the program
// lays out by hand, in pixels where it is worked out from measured text.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const Rect&) const = default;
};

// Readable test failures and diagnostics.
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "{" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << "}";
}

}  // namespace ui
