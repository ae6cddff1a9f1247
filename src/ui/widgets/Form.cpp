#include "ui/widgets/Form.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/Utf8.h"
#include "ui/base/SystemDpi.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Event.h"
#include "ui/widgets/RadioButton.h"

namespace ui {

namespace {

struct FrameStyles {
  DWORD style, exStyle;
};

FrameStyles StylesOf(Frame frame) {
  switch (frame) {
    case Frame::None: return {WS_POPUP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case Frame::ToolWithClose:
      return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW};
    case Frame::Tool:
    default:
      // No system menu: no caption buttons at all.
      return {WS_CAPTION | WS_CLIPCHILDREN | WS_BORDER, WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW};
  }
}

// The message ranges a user's keyboard and mouse produce.
constexpr std::pair<UINT, UINT> kInputRanges[] = {
    {WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};

bool IsInput(UINT message) {
  return std::any_of(std::begin(kInputRanges), std::end(kInputRanges),
                     [message](const auto& range) { return message >= range.first && message <= range.second; });
}

void DropQueuedInput() {
  MSG msg;
  for (const auto& [first, last] : kInputRanges)
    while (PeekMessageW(&msg, nullptr, first, last, PM_REMOVE)) {
    }
}

bool UnderWindow(HWND window) {
  POINT p{};
  if (!GetCursorPos(&p)) return false;
  HWND under = WindowFromPoint(p);
  return under && (under == window || IsChild(window, under));
}

}  // namespace

bool PreTranslateForForms(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  auto* form = dynamic_cast<Form*>(Control::FromHandle(root));
  return form && form->PreTranslate(msg);
}

Form::~Form() {
  // The window goes before the font it uses.
  DestroyHandle();
}

SIZE Form::OuterFor(int clientWidth, int clientHeight) const {
  RECT r{0, 0, clientWidth, clientHeight};
  if (Handle()) {
    r = OuterRectForDpi(r, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)),
                        static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
  }
  return {r.right - r.left, r.bottom - r.top};
}

bool Form::Create(const CreateArgs& args) {
  brush_ = SolidBrush(args.background);
  // Made for the primary monitor; a window that opens on another one is laid out again below.
  fonts_.SetDpi(SystemDpi());
  defaultFont_ = fonts_.Get(args.font);
  designClient_ = {args.clientWidth, args.clientHeight};
  auto [style, exStyle] = StylesOf(args.frame);
  if (args.topMost) exStyle |= WS_EX_TOPMOST;
  RECT r = OuterRectForDpi({0, 0, Scale(args.clientWidth, Dpi()), Scale(args.clientHeight, Dpi())}, style, exStyle,
                           Dpi());
  outer_ = {r.right - r.left, r.bottom - r.top};
  CommonArgs common{.parent = nullptr, .bounds = {CW_USEDEFAULT, CW_USEDEFAULT, outer_.cx, outer_.cy},
                    .name = args.name, .visible = false, .font = defaultFont_};
  if (args.frame == Frame::None) common.bounds.x = common.bounds.y = 0;  // pop-ups take no default place
  if (!CreateHandle(common, PlainWindowClass(args.className.c_str()), style, exStyle, args.caption)) return false;
  // A top-level window's owner is set through its parent slot.
  if (args.owner) SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(args.owner));
  if (int dpi = WindowDpi(Handle()); dpi != Dpi()) ApplyDpi(dpi);
  return true;
}

void Form::FitClient(int width, int height) {
  outer_ = OuterFor(width, height);
  if (!Handle()) return;
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(Handle(), nullptr, 0, 0, outer_.cx, outer_.cy, kFlags);
  // The frame may be drawn for another DPI than the one asked for (a system that scales captions
  // late, or not at all): the client area is what must come out right.
  RECT client{};
  GetClientRect(Handle(), &client);
  if (client.right == width && client.bottom == height) return;
  outer_.cx += width - client.right;
  outer_.cy += height - client.bottom;
  SetWindowPos(Handle(), nullptr, 0, 0, outer_.cx, outer_.cy, kFlags);
}

void Form::SetClientSize(int designWidth, int designHeight) {
  designClient_ = {designWidth, designHeight};
  FitClient(Scale(designWidth, Dpi()), Scale(designHeight, Dpi()));
}

void Form::SetClientPixels(int width, int height) { FitClient(width, height); }

void Form::ApplyDpi(int dpi) {
  dpi = UsableDpi(dpi);
  if (dpi == Dpi()) return;
  // The old fonts stay alive until every control has its new one.
  const std::vector<FontCache::Replaced> replaced = fonts_.SetDpi(dpi);
  defaultFont_ = ReplacementOf(replaced, defaultFont_);
  if (!Handle()) return;
  SetFont(ReplacementOf(replaced, Font()));
  FitClient(Scale(designClient_.cx, dpi), Scale(designClient_.cy, dpi));
  RescaleChildren(Handle(), dpi, replaced);
  Raise(onDpiChanged);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void Form::Show() {
  if (!Handle()) return;
  ShowWindow(Handle(), SW_SHOW);
  if (!IsChild(Handle(), GetFocus())) {
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
  }
}

void Form::Hide() {
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

void Form::MoveTo(int left, int top) {
  if (Handle()) SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Close() {
  Send(WM_CLOSE);
}

void Form::SetWaitCursor(bool wait) {
  waitCursor_ = wait;
  if (Handle() && UnderWindow(Handle())) SetCursor(LoadCursorW(nullptr, wait ? IDC_WAIT : IDC_ARROW));
}

void Form::SetInputBlocked(bool blocked) {
  if (blocked == inputBlocked_ || !Handle()) return;
  inputBlocked_ = blocked;
  DropQueuedInput();
  if (blocked) {
    HWND focus = GetFocus();
    focusBeforeBlock_ = focus && (focus == Handle() || IsChild(Handle(), focus)) ? focus : nullptr;
    EnableWindow(Handle(), FALSE);
    return;
  }
  EnableWindow(Handle(), TRUE);
  if (GetActiveWindow() != Handle()) return;
  HWND focus = focusBeforeBlock_;
  bool usable = focus && IsWindow(focus) && IsWindowVisible(focus) && IsWindowEnabled(focus) &&
                (focus == Handle() || IsChild(Handle(), focus));
  SetFocus(usable ? focus : Handle());
}

void Form::SetModal(bool modal) {
  modal_ = modal;
  modalResult_ = 0;
}

void Form::ClearKeyButtons() {
  defaultButtons_.clear();
  cancelButtons_.clear();
}

void Form::ShowKeyboardCues() {
  if (std::exchange(keyboardUsed_, true)) return;
  Send(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL));
}

bool Form::PressFirstAvailable(const std::vector<Button*>& buttons) {
  for (Button* b : buttons) {
    if (b->Handle() && IsWindowVisible(b->Handle()) && IsWindowEnabled(b->Handle())) {
      b->Click();
      return true;
    }
  }
  return false;
}

bool Form::PreTranslate(MSG& msg) {
  if (inputBlocked_ && IsInput(msg.message)) return true;
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) ShowKeyboardCues();
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
      GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0) {
    LRESULT wants = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (msg.wParam == VK_RETURN) {
      // A focused push button takes Enter itself; a multi-line text wants it as a line break.
      if ((wants & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && IsWindowVisible(msg.hwnd) &&
          IsWindowEnabled(msg.hwnd)) {
        if (auto* b = dynamic_cast<Button*>(Control::FromHandle(msg.hwnd))) {
          b->Click();
          return true;
        }
      }
      if (wants & DLGC_WANTALLKEYS) return false;
      if (PressFirstAvailable(defaultButtons_)) return true;
    } else if (PressFirstAvailable(cancelButtons_)) {
      return true;
    }
  }
  const bool arrow = msg.message == WM_KEYDOWN && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT ||
                                                   msg.wParam == VK_UP || msg.wParam == VK_DOWN);
  auto* from = arrow ? dynamic_cast<RadioButton*>(Control::FromHandle(GetFocus())) : nullptr;
  const bool chosen = from && from->Checked();
  if (!IsDialogMessageW(Handle(), &msg)) return false;
  // In a group where an item is chosen the arrows choose, as in Windows' own groups of radio items;
  // where none is, they only move, and Space chooses.
  auto* to = chosen ? dynamic_cast<RadioButton*>(Control::FromHandle(GetFocus())) : nullptr;
  if (to && to != from && !to->Checked()) to->Click();
  return true;
}

bool Form::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = info->ptMaxTrackSize = {outer_.cx, outer_.cy};
      result = 0;
      return true;
    }
    case WM_WINDOWPOSCHANGING: {
      // The system holds only framed windows to their tracking sizes; pop-ups are held here, so that
      // every frame keeps its fixed size whatever it is asked (a placement stored at another DPI).
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (pos->flags & SWP_NOSIZE) return false;
      MINMAXINFO limits{};
      limits.ptMaxTrackSize = {pos->cx, pos->cy};
      limits.ptMinTrackSize = {pos->cx, pos->cy};
      Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
      pos->cx = std::clamp<int>(pos->cx, limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
      pos->cy = std::clamp<int>(pos->cy, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
      return false;
    }
    case WM_SETCURSOR:
      // Children ask their parents first, so this covers every control of the window.
      if (!waitCursor_) return Panel::OnMessage(msg, wParam, lParam, result);
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      result = TRUE;
      return true;
    case WM_ACTIVATE: {
      // The keyboard comes back to the control it left (after a message box, another window), as
      // in Windows' own dialogs; the system would give it to the window itself.
      HWND focus = GetFocus();
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (focus && IsChild(Handle(), focus)) focusOnLeave_ = focus;
        return false;
      }
      HWND back = std::exchange(focusOnLeave_, nullptr);
      const bool restore = back && !inputBlocked_ && IsWindow(back) && IsChild(Handle(), back) &&
                           IsWindowVisible(back) && IsWindowEnabled(back);
      if (restore) SetFocus(back);
      Raise(onActivate);
      result = 0;
      return restore;
    }
    case WM_DPICHANGED: {
      // The system suggests where the window goes on its new monitor; the size is our own.
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      ApplyDpi(HIWORD(wParam));
      if (suggested) MoveTo(suggested->left, suggested->top);
      result = 0;
      return true;
    }
    case WM_CLOSE: {
      if (modal_) {
        // A modal form is only hidden by its loop; closing it is the cancel answer.
        modalResult_ = kModalCancel;
        result = 0;
        return true;
      }
      CloseEvent event;
      Raise(onClose, event);
      if (!event.cancel) DestroyWindow(Handle());
      result = 0;
      return true;
    }
    case WM_DESTROY:
      Raise(onDestroy);
      // A message loop waiting for this window to go must wake up to see it gone.
      PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
      return false;
    default:
      return Panel::OnMessage(msg, wParam, lParam, result);
  }
}

}  // namespace ui
