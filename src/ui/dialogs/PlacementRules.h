#pragma once
// Window placement arithmetic, free of any window: the stored placement text, centring, and the fit
// of a window's rectangle onto the monitors attached now.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui::placement {

struct Monitor {
  RECT bounds{};  // the whole display area
  RECT work{};    // the bounds less the task bar and other docked bars
};

// One saved placement: the window's normal bounds and whether it reopens maximized.
struct Stored {
  int left = 0, top = 0, width = 0, height = 0;
  bool maximized = false;
  bool operator==(const Stored&) const = default;
};

// "left\ttop\twidth\theight\tmaximized", plain decimal integers.
std::string Format(const Stored& placement);
// Nothing for blank text (no placement saved). A damaged or missing field counts as 0.
std::optional<Stored> Parse(std::string_view text);

// Top-left corner that centres a window of the given size on a screen of the given size.
POINT Centered(SIZE screen, SIZE window);

// The window's top 30 pixels (its title bar) show at least 100 x 30 pixels in some work area.
bool StripVisible(const RECT& window, const std::vector<Monitor>& monitors);

// Moves the window into the area where it sticks out, keeping its size.
RECT ClampInto(const RECT& window, const RECT& area);

// Moves the window right and down as far as needed for its top-left corner, and so the start of
// its title bar, to lie in the work area: a window taller or wider than its monitor stays draggable.
RECT KeepTitleBarIn(const RECT& window, const RECT& work);

// What fitting a window needs: nothing, or an optional shrink followed by a clamp into `area` and
// a move that keeps the title bar inside `work`, the same monitor's work area.
struct FitPlan {
  bool move = false;
  RECT area{};
  RECT work{};
  std::optional<SIZE> shrinkTo;
};
// The clamp and the title bar's move of a plan, for a window of the size it has now.
RECT PlaceByPlan(const RECT& window, const FitPlan& plan);
FitPlan PlanFit(const RECT& window, const std::vector<Monitor>& monitors);

// The window's rectangle after fitting, for a window that takes any size it is given.
RECT Fit(const RECT& window, const std::vector<Monitor>& monitors);

}  // namespace ui::placement
