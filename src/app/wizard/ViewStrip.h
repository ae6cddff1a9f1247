#pragma once
// The preview strips: one picture holds every view side by side, and a view is shown by moving the
// strip left behind its window.

namespace app {

inline constexpr int kViewWidth = 300;
inline int ViewOffset(int index) { return -kViewWidth * index; }

}  // namespace app
