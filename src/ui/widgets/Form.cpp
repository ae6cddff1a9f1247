#include "ui/widgets/Form.h"

#include "core/Utf8.h"
#include "ui/widgets/Button.h"

namespace ui {

namespace {

bool PreTranslateForForms(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  auto* form = dynamic_cast<Form*>(Control::FromHandle(root));
  return form && form->PreTranslate(msg);
}

}  // namespace

Form::~Form() {
  // The window goes before the font it uses.
  DestroyHandle();
}

bool Form::Create(const CreateArgs& args) {
  brush_ = SolidBrush(args.background);
  defaultFont_ = ui::Font::Create(args.font);
  DWORD style = WS_CAPTION | WS_CLIPCHILDREN | WS_BORDER;  // no system menu: no caption buttons at all
  DWORD exStyle = WS_EX_CONTROLPARENT | (args.toolWindow ? WS_EX_TOOLWINDOW : 0);
  RECT r{0, 0, args.clientWidth, args.clientHeight};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  outer_ = {r.right - r.left, r.bottom - r.top};
  CommonArgs common{.parent = nullptr, .bounds = {CW_USEDEFAULT, CW_USEDEFAULT, outer_.cx, outer_.cy},
                    .name = args.name, .visible = false, .font = defaultFont_.Get()};
  if (!CreateHandle(common, PlainWindowClass(args.className.c_str()), style, exStyle, args.caption)) return false;
  return true;
}

void Form::Show() {
  if (!Handle()) return;
  ShowWindow(Handle(), SW_SHOW);
  if (!IsChild(Handle(), GetFocus())) {
    if (HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE)) SetFocus(first);
  }
}

void Form::Close() {
  if (Handle()) SendMessageW(Handle(), WM_CLOSE, 0, 0);
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
    case WM_CLOSE: {
      CloseEvent event;
      if (onClose) onClose(event);
      if (!event.cancel) DestroyWindow(Handle());
      result = 0;
      return true;
    }
    case WM_DESTROY:
      if (onDestroy) onDestroy();
      // A message loop waiting for this window to go must wake up to see it gone.
      PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
      return false;
    default:
      return Panel::OnMessage(msg, wParam, lParam, result);
  }
}

void ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
      return;
    }
    if (PreTranslateForForms(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void RunMessageLoop(const Form& form) {
  MSG msg;
  while (form.Handle() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateForForms(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace ui
