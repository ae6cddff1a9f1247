#include "ui/dialogs/WindowPlacement.h"

#include "core/Settings.h"
#include "ui/widgets/Form.h"

namespace ui {

namespace {

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

// Changing the state shows a hidden window; a form that waits hidden (the wait window) must stay so
// and take the state when it is shown.
void ShowKeepingVisibility(HWND hwnd, int command) {
  const bool visible = IsWindowVisible(hwnd) != FALSE;
  ShowWindow(hwnd, command);
  if (!visible) ShowWindow(hwnd, SW_HIDE);
}

void MakeNormal(HWND hwnd) {
  // A minimized window that was maximized before restores to maximized first, hence the second round.
  for (int round = 0; round < 2 && (IsIconic(hwnd) || IsZoomed(hwnd)); ++round)
    ShowKeepingVisibility(hwnd, SW_RESTORE);
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{sizeof info};
  if (GetMonitorInfoW(monitor, &info))
    reinterpret_cast<std::vector<placement::Monitor>*>(data)->push_back({info.rcMonitor, info.rcWork});
  return TRUE;
}

}  // namespace

std::vector<placement::Monitor> AttachedMonitors() {
  std::vector<placement::Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

void SaveFormPos(Form& form, WindowState state) {
  const HWND hwnd = form.Handle();
  if (!hwnd) return;
  MakeNormal(hwnd);
  const RECT r = WindowRect(hwnd);
  core::WriteSetting(form.name, placement::Format({.left = r.left,
                                                   .top = r.top,
                                                   .width = r.right - r.left,
                                                   .height = r.bottom - r.top,
                                                   .maximized = state == WindowState::Maximized}));
}

void LoadFormPos(Form& form, bool withSize) {
  const HWND hwnd = form.Handle();
  if (!hwnd) return;
  const std::optional<placement::Stored> saved = placement::Parse(core::ReadSetting(form.name));
  if (!saved) {
    CenterForm(form);
  } else {
    // The stored bounds are normal bounds: set them on the normal window, then its state.
    MakeNormal(hwnd);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (withSize ? 0 : SWP_NOSIZE);
    SetWindowPos(hwnd, nullptr, saved->left, saved->top, saved->width, saved->height, flags);
    if (saved->maximized) ShowKeepingVisibility(hwnd, SW_MAXIMIZE);
  }
  FitToMonitors(form);
}

void CenterForm(Form& form) {
  const HWND hwnd = form.Handle();
  if (!hwnd) return;
  const RECT r = WindowRect(hwnd);
  const POINT p = placement::Centered({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                                      {r.right - r.left, r.bottom - r.top});
  form.MoveTo(p.x, p.y);
}

void FitToMonitors(Form& form) {
  const HWND hwnd = form.Handle();
  if (!hwnd) return;
  RECT r = WindowRect(hwnd);
  const placement::FitPlan plan = placement::PlanFit(r, AttachedMonitors());
  if (!plan.move) return;
  if (plan.shrinkTo) {
    SetWindowPos(hwnd, nullptr, 0, 0, plan.shrinkTo->cx, plan.shrinkTo->cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    r = WindowRect(hwnd);  // a window with a fixed size keeps it
  }
  const RECT placed = placement::PlaceByPlan(r, plan);
  if (placed.left != r.left || placed.top != r.top) form.MoveTo(placed.left, placed.top);
}

}  // namespace ui
