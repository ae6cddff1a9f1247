#include "ui/widgets/Form.h"

#include "core/Utf8.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Event.h"

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
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
  }
  return {r.right - r.left, r.bottom - r.top};
}

bool Form::Create(const CreateArgs& args) {
  brush_ = SolidBrush(args.background);
  defaultFont_ = ui::Font::Create(args.font);
  auto [style, exStyle] = StylesOf(args.frame);
  if (args.topMost) exStyle |= WS_EX_TOPMOST;
  RECT r{0, 0, args.clientWidth, args.clientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  outer_ = {r.right - r.left, r.bottom - r.top};
  CommonArgs common{.parent = nullptr, .bounds = {CW_USEDEFAULT, CW_USEDEFAULT, outer_.cx, outer_.cy},
                    .name = args.name, .visible = false, .font = defaultFont_.Get()};
  if (args.frame == Frame::None) common.bounds.x = common.bounds.y = 0;  // pop-ups take no default place
  if (!CreateHandle(common, PlainWindowClass(args.className.c_str()), style, exStyle, args.caption)) return false;
  // A top-level window's owner is set through its parent slot.
  if (args.owner) SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(args.owner));
  return true;
}

void Form::SetClientSize(int width, int height) {
  outer_ = OuterFor(width, height);
  if (Handle())
    SetWindowPos(Handle(), nullptr, 0, 0, outer_.cx, outer_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

void Form::Close() {
  if (Handle()) SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void Form::SetWaitCursor(bool wait) {
  waitCursor_ = wait;
  if (Handle() && UnderWindow(Handle())) SetCursor(LoadCursorW(nullptr, wait ? IDC_WAIT : IDC_ARROW));
}

void Form::SetModal(bool modal) {
  modal_ = modal;
  modalResult_ = 0;
}

void Form::ClearKeyButtons() {
  defaultButtons_.clear();
  cancelButtons_.clear();
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
  return IsDialogMessageW(Handle(), &msg) != FALSE;
}

bool Form::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = info->ptMaxTrackSize = {outer_.cx, outer_.cy};
      result = 0;
      return true;
    }
    case WM_SETCURSOR:
      // Children ask their parents first, so this covers every control of the window.
      if (!waitCursor_) return Panel::OnMessage(msg, wParam, lParam, result);
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      result = TRUE;
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) Raise(onActivate);
      return false;
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
