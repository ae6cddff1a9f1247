#include "ui/dialogs/PlacementRules.h"

#include <algorithm>
#include <cmath>

#include "core/ValueParse.h"
#include "core/TextTools.h"

namespace ui::placement {

namespace {

// The titlebar strip that must show for a window to count as reachable.
constexpr int kStripHeight = 30;
constexpr int kStripMinWidth = 100;
// Windows keeps window coordinates within 16 bits; a stored number beyond that is damage, and
// keeping it out also keeps left + width from overflowing.
constexpr double kCoordinateLimit = 32767;

int FieldNumber(std::string_view field) {
  const core::Value v = core::TextToValue(field);
  if (!v.IsNumber()) return 0;
  const double n = std::nearbyint(v.AsReal());
  if (!(std::fabs(n) <= kCoordinateLimit)) return 0;
  return static_cast<int>(n);
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

bool Contains(const RECT& r, POINT p) { return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom; }

bool CanHold(const RECT& area, const RECT& window) {
  return Height(area) >= Height(window) && Width(area) >= Width(window);
}

}  // namespace

std::string Format(const Stored& p) {
  return std::to_string(p.left) + '\t' + std::to_string(p.top) + '\t' + std::to_string(p.width) + '\t' +
         std::to_string(p.height) + '\t' + (p.maximized ? '1' : '0');
}

std::optional<Stored> Parse(std::string_view text) {
  if (core::TrimText(text).empty()) return std::nullopt;
  std::string rest(text);
  Stored p;
  p.left = FieldNumber(core::CutField(rest, "\t"));
  p.top = FieldNumber(core::CutField(rest, "\t"));
  p.width = FieldNumber(core::CutField(rest, "\t"));
  p.height = FieldNumber(core::CutField(rest, "\t"));
  p.maximized = FieldNumber(core::CutField(rest, "\t")) == 1;
  return p;
}

POINT Centered(SIZE screen, SIZE window) {
  // Integer division drops the fraction toward zero, also for a window larger than the screen.
  return {(screen.cx - window.cx) / 2, (screen.cy - window.cy) / 2};
}

bool StripVisible(const RECT& window, const std::vector<Monitor>& monitors) {
  for (const Monitor& m : monitors) {
    RECT s;
    s.left = std::max(window.left, m.work.left);
    s.top = std::max(window.top, m.work.top);
    s.right = std::max(std::min(window.right, m.work.right), s.left);
    s.bottom = std::max(std::min(window.top + kStripHeight, m.work.bottom), s.top);
    if (Width(s) >= kStripMinWidth && Height(s) >= kStripHeight) return true;
  }
  return false;
}

RECT ClampInto(const RECT& window, const RECT& area) {
  RECT r = window;
  int dx = 0, dy = 0;
  if (r.left < area.left)
    dx = area.left - r.left;
  else if (r.right >= area.right)
    dx = area.right - r.right;
  if (r.top < area.top)
    dy = area.top - r.top;
  else if (r.bottom >= area.bottom)
    dy = area.bottom - r.bottom;
  OffsetRect(&r, dx, dy);
  return r;
}

RECT KeepTitleBarIn(const RECT& window, const RECT& work) {
  RECT r = window;
  OffsetRect(&r, std::max<LONG>(0, work.left - r.left), std::max<LONG>(0, work.top - r.top));
  return r;
}

RECT PlaceByPlan(const RECT& window, const FitPlan& plan) {
  return KeepTitleBarIn(ClampInto(window, plan.area), plan.work);
}

FitPlan PlanFit(const RECT& window, const std::vector<Monitor>& monitors) {
  // With no monitor listed there is nothing to fit onto; the window stays.
  if (monitors.empty() || StripVisible(window, monitors)) return {};
  const POINT corner{window.left, window.top};
  for (const Monitor& m : monitors) {
    if (Contains(m.bounds, corner) && CanHold(m.bounds, window)) return {true, m.bounds, m.work, std::nullopt};
  }
  for (const Monitor& m : monitors) {
    if (CanHold(m.bounds, window)) return {true, m.bounds, m.work, std::nullopt};
  }
  // Larger than every monitor: the largest one, and a monitor must beat it in both directions.
  const Monitor* largest = &monitors.front();
  int height = 0, width = 0;
  for (const Monitor& m : monitors) {
    if (Height(m.bounds) > height && Width(m.bounds) > width) {
      largest = &m;
      height = Height(m.bounds);
      width = Width(m.bounds);
    }
  }
  const RECT& area = largest->bounds;
  FitPlan plan{true, area, largest->work, std::nullopt};
  if (Height(window) > Height(area) || Width(window) > Width(area))
    plan.shrinkTo = SIZE{std::min(Width(window), Width(area)), std::min(Height(window), Height(area))};
  return plan;
}

RECT Fit(const RECT& window, const std::vector<Monitor>& monitors) {
  const FitPlan plan = PlanFit(window, monitors);
  if (!plan.move) return window;
  RECT r = window;
  if (plan.shrinkTo) {
    r.right = r.left + plan.shrinkTo->cx;
    r.bottom = r.top + plan.shrinkTo->cy;
  }
  return PlaceByPlan(r, plan);
}

}  // namespace ui::placement
