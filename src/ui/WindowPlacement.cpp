#include "ui/WindowPlacement.h"

#include <string>

#include "core/Settings.h"
#include "core/ValueText.h"
#include "ui/widgets/Form.h"

namespace ui {

namespace {

int Field(std::string& rest) {
  core::Value v = core::TextToValue(core::CutField(rest, "\t"));
  return v.kind == core::ValueKind::Integer ? v.integer : 0;
}

}  // namespace

void SaveFormPos(Form& form, int state) {
  HWND hwnd = form.Handle();
  if (!hwnd) return;
  WINDOWPLACEMENT wp{sizeof wp};
  GetWindowPlacement(hwnd, &wp);
  const RECT& r = wp.rcNormalPosition;
  core::WriteSetting(form.name, std::to_string(r.left) + "\t" + std::to_string(r.top) + "\t" +
                                    std::to_string(r.right - r.left) + "\t" + std::to_string(r.bottom - r.top) +
                                    "\t" + (state == 2 ? "1" : "0"));
}

void LoadFormPos(Form& form, bool withSize) {
  HWND hwnd = form.Handle();
  if (!hwnd) return;
  std::string rest = core::ReadSetting(form.name);
  RECT r{};
  GetWindowRect(hwnd, &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  if (core::TrimText(rest).empty()) {
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  int left = Field(rest), top = Field(rest);
  int w = Field(rest), h = Field(rest);
  if (withSize) width = w, height = h;
  SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
