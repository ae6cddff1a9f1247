#include "ui/widgets/Control.h"

#include <windowsx.h>

#include <mutex>
#include <unordered_map>

#include "core/Utf8.h"
#include "ui/base/DpiScaling.h"
#include "ui/base/SystemDpi.h"
#include "ui/widgets/Event.h"

namespace ui {

namespace {

// The wrappers by window, looked up for every message a control receives. Kept in the process:
// window properties and the common controls' subclassing are a round trip to the Wine server each.
struct Wrappers {
  std::mutex lock;
  std::unordered_map<HWND, Control*> byWindow;
};

Wrappers& TheWrappers() {
  static Wrappers wrappers;
  return wrappers;
}

}  // namespace

Control::~Control() { DestroyHandle(); }

void Control::DestroyHandle() {
  if (hwnd_ && IsWindow(hwnd_)) {
    HWND hwnd = hwnd_;
    Detach();  // the wrapper is going: the window's last messages are not its business
    DestroyWindow(hwnd);
  }
  hwnd_ = nullptr;
}

Control* Control::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  Wrappers& wrappers = TheWrappers();
  std::lock_guard guard(wrappers.lock);
  auto found = wrappers.byWindow.find(hwnd);
  return found == wrappers.byWindow.end() ? nullptr : found->second;
}

bool Control::CreateHandle(const CommonArgs& args, const wchar_t* className, DWORD style, DWORD exStyle,
                           std::string_view text) {
  // The common control classes (tool bar, status bar, tabs...) are registered before the first window.
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
  name = args.name;
  tag = args.tag;
  if (args.parent) style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (args.visible) style |= WS_VISIBLE;
  if (!args.enabled) style |= WS_DISABLED;
  // A top-level window is given its outer size in pixels by its form.
  design_ = args.bounds;
  const Rect b = args.parent ? ScaleRect(args.bounds, DpiOf(args.parent)) : args.bounds;
  HWND hwnd = CreateWindowExW(exStyle, className, core::Widen(text).c_str(), style, b.x, b.y, b.w, b.h, args.parent,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return false;
  Attach(hwnd);
  KeepZOrder();
  // Like the parent's font unless told otherwise.
  HFONT font = args.font;
  if (!font && args.parent) font = reinterpret_cast<HFONT>(SendMessageW(args.parent, WM_GETFONT, 0, 0));
  if (font) Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);  // not painted yet: nothing to redraw
  return true;
}

void Control::KeepZOrder() {
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  if (!(GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD)) return;
  if (LiesUnder()) {
    if (GetWindow(hwnd_, GW_HWNDNEXT)) SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, kFlags);
    return;
  }
  // Above the labels, below the controls made before it (the tab order follows creation). The labels
  // lie at the bottom: looking from there up to the lowest control passes over them alone, where
  // looking down from the top would pass over every control, one call each.
  HWND topLabel = nullptr;
  for (HWND h = GetWindow(hwnd_, GW_HWNDLAST); h; h = GetWindow(h, GW_HWNDPREV)) {
    Control* sibling = h == hwnd_ ? nullptr : FromHandle(h);
    if (!sibling) continue;
    if (!sibling->LiesUnder()) break;
    topLabel = h;
  }
  if (!topLabel) return;
  HWND above = GetWindow(topLabel, GW_HWNDPREV);
  if (above != hwnd_) SetWindowPos(hwnd_, above ? above : HWND_TOP, 0, 0, 0, 0, kFlags);
}

void Control::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  {
    Wrappers& wrappers = TheWrappers();
    std::lock_guard guard(wrappers.lock);
    wrappers.byWindow[hwnd] = this;
  }
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::WindowProc)));
}

void Control::Detach() {
  if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Control::WindowProc))
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  {
    Wrappers& wrappers = TheWrappers();
    std::lock_guard guard(wrappers.lock);
    wrappers.byWindow.erase(hwnd_);
  }
  hwnd_ = nullptr;
}

bool Control::Visible() const { return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE); }

void Control::SetVisible(bool visible) {
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Control::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

Rect Control::Bounds() const {
  RECT r{};
  if (!hwnd_) return {};
  GetWindowRect(hwnd_, &r);
  if (HWND parent = GetParent(hwnd_); parent && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetBounds(const Rect& design) {
  design_ = design;
  Place(ScaleRect(design, Dpi()));
}

void Control::Move(int designX, int designY) {
  design_.x = designX;
  design_.y = designY;
  if (hwnd_)
    SetWindowPos(hwnd_, nullptr, Scale(designX, Dpi()), Scale(designY, Dpi()), 0, 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void Control::Place(const Rect& b) {
  if (hwnd_) SetWindowPos(hwnd_, nullptr, b.x, b.y, b.w, b.h, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Control::Dpi() const { return DpiOf(hwnd_); }

void Control::TakeReplacementFont(const std::vector<FontCache::Replaced>& fonts) {
  if (HFONT font = Font()) {
    if (HFONT replacement = ReplacementOf(fonts, font); replacement != font) SetFont(replacement);
  }
}

void Control::RescaleForDpi(int dpi, const std::vector<FontCache::Replaced>& fonts) {
  if (!hwnd_) return;
  TakeReplacementFont(fonts);
  if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) {
    const Rect b = ScaleRect(design_, dpi);
    SetWindowPos(hwnd_, nullptr, b.x, b.y, b.w, b.h, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  OnDpiChanged(dpi);
}

namespace {

void ReplaceFonts(HWND parent, const std::vector<FontCache::Replaced>& fonts) {
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    ReplaceFonts(h, fonts);
    if (Control* control = Control::FromHandle(h)) control->TakeReplacementFont(fonts);
  }
}

}  // namespace

void RescaleChildren(HWND parent, int dpi, const std::vector<FontCache::Replaced>& fonts) {
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    Control* control = Control::FromHandle(h);
    if (control && !IsWindowVisible(h) && control->PutOffLayout(dpi)) {
      ReplaceFonts(h, fonts);  // the old fonts are deleted once the change is over
    } else {
      RescaleChildren(h, dpi, fonts);
    }
    if (control) control->RescaleForDpi(dpi, fonts);
  }
}

int DpiOf(HWND hwnd) {
  if (!hwnd) return SystemDpi();
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (const Control* top = Control::FromHandle(root); top && top->LayoutDpi()) return top->LayoutDpi();
  return WindowDpi(root ? root : hwnd);
}

RECT Control::FillClient(HDC dc, HBRUSH brush) const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  FillRect(dc, &r, brush);
  return r;
}

void Control::BringToFront() {
  if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::string Control::Text() const {
  if (!hwnd_) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return core::Narrow(text);
}

void Control::SetText(std::string_view utf8) { ReplaceText(utf8); }

bool Control::ReplaceText(std::string_view utf8) {
  // The text it already shows changes nothing: no repaint, and an edit's caret stays where it is.
  if (!hwnd_ || Text() == utf8) return false;
  SetWindowTextW(hwnd_, core::Widen(utf8).c_str());
  return true;
}

void Control::SetFont(HFONT borrowed) {
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(borrowed), TRUE);
}

HFONT Control::Font() const {
  return reinterpret_cast<HFONT>(Send(WM_GETFONT));
}

int Control::LineHeight() const {
  if (!hwnd_) return 0;
  TEXTMETRICW tm{};
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, Font());
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return tm.tmHeight;
}

LRESULT Control::Send(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT noWindow) const {
  return hwnd_ ? SendMessageW(hwnd_, msg, wParam, lParam) : noWindow;
}

HBRUSH Control::BackgroundBrush() const {
  if (hwnd_) {
    if (Control* parent = FromHandle(GetParent(hwnd_))) return parent->BackgroundBrush();
  }
  return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH Control::TransparentColours(HDC dc, COLORREF textColour) const {
  UseTextColour(dc, textColour);
  HBRUSH brush = BackgroundBrush();
  LOGBRUSH lb{};
  if (GetObjectW(brush, sizeof lb, &lb) == sizeof lb) SetBkColor(dc, lb.lbColor);
  return brush;
}

void Control::RaiseMouse(UINT msg, WPARAM wParam, LPARAM lParam) const {
  MouseEvent event{.keys = wParam, .x = GET_X_LPARAM(lParam), .y = GET_Y_LPARAM(lParam)};
  switch (msg) {
    case WM_MOUSEMOVE: Raise(onMouseMove, event); return;
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: event.button = MouseButton::Left; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: event.button = MouseButton::Right; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: event.button = MouseButton::Middle; break;
    default: return;  // double clicks
  }
  if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN)
    Raise(onMouseDown, event);
  else
    Raise(onMouseUp, event);
}

LRESULT Control::OwnAnswer(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcW(original_, Handle(), msg, wParam, lParam);
}

LRESULT CALLBACK Control::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Control* self = FromHandle(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  const WNDPROC original = self->original_;
  LRESULT result = 0;
  if (ReflectToChild(msg, wParam, lParam, result)) return result;
  if (msg == WM_NCDESTROY) {
    self->Detach();
    return CallWindowProcW(original, hwnd, msg, wParam, lParam);
  }
  if (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONUP) self->RaiseMouse(msg, wParam, lParam);
  if (self->OnMessage(msg, wParam, lParam, result)) return result;
  if (msg == WM_GETOBJECT && (self->accessibleFacts || self->AccessibleRole())) {
    auto facts = [self](long child) {
      AccessibleFacts f = self->accessibleFacts ? self->accessibleFacts(child) : AccessibleFacts{};
      if (child == CHILDID_SELF && !f.role && self->AccessibleRole()) f.role = self->AccessibleRole();
      return f;
    };
    if (LRESULT answer = AnswerGetObject(hwnd, wParam, lParam, facts)) return answer;
  }
  return CallWindowProcW(original, hwnd, msg, wParam, lParam);
}

}  // namespace ui
