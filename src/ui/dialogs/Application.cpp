#include "ui/dialogs/Application.h"

#include <vector>

#include "core/ErrorText.h"
#include "core/Environment.h"
#include "core/MessagePump.h"
#include "core/Utf8.h"
#include "ui/widgets/Event.h"
#include "ui/widgets/Form.h"

namespace ui {

namespace {

// Disables the enabled, visible top-level windows of this thread except one; gives them back.
std::vector<HWND> DisableThreadWindows(HWND except) {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<HWND> disabled;
  for (HWND hwnd : windows) {
    if (hwnd == except || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) continue;
    EnableWindow(hwnd, FALSE);
    disabled.push_back(hwnd);
  }
  return disabled;
}

void EnableWindows(const std::vector<HWND>& windows) {
  for (HWND hwnd : windows)
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}

HMONITOR MonitorOf(HWND hwnd) { return MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST); }

}  // namespace

Application& App() {
  static Application application;
  return application;
}

Application::~Application() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool Application::Initialize() {
  core::SetMessageFilter(&PreTranslateForForms);
  SetEventErrorReporter([](std::exception_ptr error) { App().ShowError(error); });
  if (hwnd_) return true;
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kApplicationClass;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
  // A zero-size pop-up that is never shown: it owns the message boxes and stands for the program.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationClass, core::Widen(Title()).c_str(), WS_POPUP, 0, 0, 0, 0,
                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  return hwnd_ != nullptr;
}

std::string Application::Title() const { return title_.empty() ? core::Env().ProgramName : title_; }

void Application::SetTitle(std::string_view title) {
  title_ = title;
  if (hwnd_) SetWindowTextW(hwnd_, core::Widen(title_).c_str());
}

void Application::Run() {
  core::RunMessagesWhile([this] { return !mainForm_ || mainForm_->Handle(); });
}

int Application::ShowModal(Form& form) {
  HWND active = GetActiveWindow();
  std::vector<HWND> disabled = DisableThreadWindows(form.Handle());
  form.SetModal(true);
  form.Show();
  SetActiveWindow(form.Handle());
  // A quit (the program ending) ends the loop too; it is put back for the program's own loop.
  core::RunMessagesWhile([&form] { return form.Handle() && form.ModalResult() == 0; });
  int result = form.ModalResult() ? form.ModalResult() : kModalCancel;
  // Others are enabled before the dialog hides, so that activation passes back to them.
  EnableWindows(disabled);
  form.SetModal(false);
  form.Hide();
  if (active && IsWindow(active)) SetActiveWindow(active);
  return result;
}

void Application::ProcessMessages() { core::ProcessMessages(); }

int Application::ShowBox(std::string_view text, std::string_view caption, UINT flags) {
  Initialize();
  HWND active = GetActiveWindow();
  HWND focus = GetFocus();
  // The box opens over the application window: bring that onto the active window's monitor.
  RECT home{};
  bool moved = false;
  if (active && hwnd_ && MonitorOf(active) != MonitorOf(hwnd_)) {
    MONITORINFO info{sizeof info};
    GetWindowRect(hwnd_, &home);
    if (GetMonitorInfoW(MonitorOf(active), &info)) {
      const RECT& m = info.rcMonitor;
      SetWindowPos(hwnd_, nullptr, (m.left + m.right) / 2, (m.top + m.bottom) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      moved = true;
    }
  }
  std::vector<HWND> disabled = DisableThreadWindows(hwnd_);
  int answer = MessageBoxW(hwnd_, core::Widen(text).c_str(), core::Widen(caption).c_str(), flags);
  EnableWindows(disabled);
  if (moved) SetWindowPos(hwnd_, nullptr, home.left, home.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (active && IsWindow(active)) SetActiveWindow(active);
  if (focus && IsWindow(focus)) SetFocus(focus);
  return answer;
}

void Application::ShowError(std::exception_ptr error) { ShowBox(core::ErrorText(error), Title(), MB_OK | MB_ICONHAND); }

}  // namespace ui
