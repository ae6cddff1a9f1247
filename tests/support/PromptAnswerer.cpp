#include "support/PromptAnswerer.h"

#include <algorithm>

#include "core/Utf8.h"
#include "support/Gui.h"
#include "ui/dialogs/PromptDialog.h"

namespace testing_support {

namespace {

thread_local PromptAnswerer* current = nullptr;
constexpr UINT kTickMs = 30;
constexpr DWORD kGiveUpTicks = 10000 / kTickMs;  // a wrong dialog loop must not hang the tests

std::string TextOf(HWND h) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
  return core::Narrow(text);
}

std::wstring ClassOf(HWND h) {
  wchar_t buffer[64]{};
  GetClassNameW(h, buffer, 64);
  return buffer;
}

ui::Rect InClient(HWND dialog, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The enabled, visible prompt dialog of this thread (a dialog under another one is disabled).
HWND ActiveDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM p) -> BOOL {
        if (ClassOf(h) == ui::kPromptDialogClass && IsWindowVisible(h) && IsWindowEnabled(h)) {
          *reinterpret_cast<HWND*>(p) = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> ButtonsOf(HWND dialog) {
  std::vector<HWND> buttons;
  EnumChildWindows(
      dialog,
      [](HWND h, LPARAM p) -> BOOL {
        if (_wcsicmp(ClassOf(h).c_str(), L"Button") == 0) reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&buttons));
  std::stable_sort(buttons.begin(), buttons.end(), [dialog](HWND a, HWND b) {
    return InClient(dialog, a).x < InClient(dialog, b).x;
  });
  return buttons;
}

}  // namespace

PromptAnswerer::PromptAnswerer(std::vector<Step> steps) : steps_(std::move(steps)) {
  current = this;
  timer_ = SetTimer(nullptr, 0, kTickMs, &PromptAnswerer::Tick);
}

PromptAnswerer::~PromptAnswerer() {
  KillTimer(nullptr, timer_);
  current = nullptr;
  // A give-up leaves a quit message behind; later tests must not see it.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void CALLBACK PromptAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (current) current->OnTick();
}

PromptAnswerer::Seen PromptAnswerer::Look(HWND dialog) {
  Seen s;
  s.title = TextOf(dialog);
  GetWindowRect(dialog, &s.window);
  RECT client{};
  GetClientRect(dialog, &client);
  s.client = {client.right, client.bottom};
  s.topMost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  s.closeBox = (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU) != 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::wstring cls = ClassOf(child);
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (_wcsicmp(cls.c_str(), L"Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        s.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        s.iconRect = InClient(dialog, child);
        s.iconPixels = IconPixels(s.icon, s.iconRect.w);
      } else {
        s.text = TextOf(child);
        s.textRect = InClient(dialog, child);
        s.wordWrap = (style & SS_TYPEMASK) == SS_LEFT;
      }
    } else if (_wcsicmp(cls.c_str(), L"Edit") == 0) {
      s.answer = TextOf(child);
      s.answerRect = InClient(dialog, child);
    } else if (GetWindow(child, GW_CHILD)) {
      s.panel = InClient(dialog, child);
    }
  }
  for (HWND b : ButtonsOf(dialog)) {
    if ((GetWindowLongPtrW(b, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      s.defaultButton = static_cast<int>(s.buttons.size());
    s.buttons.push_back(TextOf(b));
    s.buttonRects.push_back(InClient(dialog, b));
  }
  return s;
}

void PromptAnswerer::OnTick() {
  HWND dialog = ActiveDialog();
  // Posted answers are handled before the next tick, so a dialog still here is still waiting.
  if (!dialog) {
    if (++idleTicks_ > kGiveUpTicks) PostQuitMessage(0);  // ends every modal loop
    return;
  }
  idleTicks_ = 0;
  Seen seen = Look(dialog);
  if (next_ >= steps_.size() || steps_[next_].title != seen.title) {
    seen.expected = false;
    seen_.push_back(seen);
    if (seen_.size() > 20) PostQuitMessage(0);  // it keeps coming back
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return;
  }
  seen_.push_back(seen);
  Act(dialog, steps_[next_++]);
}

void PromptAnswerer::Act(HWND dialog, const Step& step) {
  if (step.before) step.before(dialog);
  if (step.type) {
    HWND edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : core::Widen(*step.type)) SendMessageW(edit, WM_CHAR, c, 1);
  }
  switch (step.action) {
    case Action::Enter:
    case Action::Escape: {
      HWND target = GetFocus();
      if (!target || GetAncestor(target, GA_ROOT) != dialog) target = dialog;
      WPARAM key = step.action == Action::Enter ? VK_RETURN : VK_ESCAPE;
      PostMessageW(target, WM_KEYDOWN, key, 1);
      PostMessageW(target, WM_KEYUP, key, 0xC0000001);
      break;
    }
    case Action::Click: {
      std::vector<HWND> buttons = ButtonsOf(dialog);
      if (step.button >= 0 && step.button < static_cast<int>(buttons.size()))
        PostMessageW(buttons[static_cast<size_t>(step.button)], BM_CLICK, 0, 0);
      break;
    }
    case Action::CloseBox: PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case Action::Close: PostMessageW(dialog, WM_CLOSE, 0, 0); break;
    case Action::Nothing: break;
  }
}

}  // namespace testing_support
