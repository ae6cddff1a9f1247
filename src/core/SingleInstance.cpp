#include "core/SingleInstance.h"

#include <vector>

#include "core/Environment.h"
#include "core/Halt.h"
#include "core/PlainBox.h"
#include "core/SingleInstanceRules.h"
#include "core/Utf8.h"

namespace core {

namespace {

constexpr DWORD kPollMs = 50;

std::string ClassNameOf(HWND window) {
  wchar_t buffer[256] = {};
  const int n = GetClassNameW(window, buffer, 256);
  return n > 0 ? Narrow(std::wstring_view(buffer, static_cast<size_t>(n))) : std::string();
}

std::string TextOf(HWND window) {
  wchar_t buffer[256] = {};
  const int n = GetWindowTextW(window, buffer, 256);
  return n > 0 ? Narrow(std::wstring_view(buffer, static_cast<size_t>(n))) : std::string();
}

TopWindow Describe(HWND window) {
  return {reinterpret_cast<uintptr_t>(window), ClassNameOf(window), TextOf(window)};
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<TopWindow>*>(list)->push_back(Describe(window));
  return TRUE;
}

HWND FindOtherCopy(const TopWindow& self) {
  std::vector<TopWindow> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return reinterpret_cast<HWND>(MatchInstances(windows, self).found);
}

// Owning the mutex decides which copy goes on, so two copies started together cannot both give way
// to each other. It is held until the process ends; a copy that died leaves it abandoned, which
// counts as free.
bool TakeOwnership(HANDLE mutex) {
  const DWORD r = WaitForSingleObject(mutex, 0);
  return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

// The first copy's application window exists before it takes the mutex; waiting covers a copy that
// is between creating its window and setting its title, or one that is ending.
HWND WaitForRunningCopy(HANDLE mutex, const TopWindow& self, unsigned waitMs) {
  const ULONGLONG deadline = GetTickCount64() + waitMs;
  for (;;) {
    if (HWND found = FindOtherCopy(self)) return found;
    if (TakeOwnership(mutex) || GetTickCount64() >= deadline) return nullptr;
    Sleep(kPollMs);
  }
}

void HandOver(HWND found, unsigned sendTimeoutMs) {
  HWND target = GetLastActivePopup(found);
  if (!target) target = found;

  const std::string text = ForwardedText(CommandLineParameters());
  if (!text.empty()) {
    if (const ATOM atom = GlobalAddAtomW(Widen(text).c_str())) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(target, InstanceMessage, atom, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, sendTimeoutMs,
                          &ignored);
      GlobalDeleteAtom(atom);
    }
  }

  // The asynchronous forms: a running copy that does not answer must not hold this one up.
  SetWindowPos(found, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
  if (IsIconic(target))
    ShowWindowAsync(target, SW_RESTORE);
  else
    SetForegroundWindow(target);
}

void OwnerlessErrorBox(const std::string& text, const std::string& caption) {
  PlainBox(text, caption, MB_OK | MB_ICONHAND);
}

HWND FindRunningCopy(HWND appWindow, const SingleInstanceOptions& options) {
  const TopWindow self = Describe(appWindow);

  static HANDLE mutex = nullptr;  // held for the life of the process
  if (!mutex) mutex = CreateMutexW(nullptr, FALSE, Widen(InstanceMutexName(self.className, self.text)).c_str());

  if (!mutex) return FindOtherCopy(self);  // no mutex to be had: the window search alone decides
  if (!TakeOwnership(mutex)) return WaitForRunningCopy(mutex, self, options.windowWaitMs);
  return nullptr;
}

}  // namespace

bool OtherCopyRuns(HWND appWindow, const SingleInstanceOptions& options) {
  return FindRunningCopy(appWindow, options) != nullptr;
}

void CheckSingleInstance(HWND appWindow, const std::string& expectedName, const ErrorBoxFunction& errorBox,
                         const SingleInstanceOptions& options) {
  if (HWND found = FindRunningCopy(appWindow, options)) {
    HandOver(found, options.sendTimeoutMs);
    HaltProgram(kOtherCopyRunsExitCode);
  }

  if (const auto message = WrongNameMessage(expectedName, Env().ProgramName)) {
    (errorBox ? errorBox : OwnerlessErrorBox)(*message, "Erreur");
    HaltProgram(kWrongNameExitCode);
  }
}

}  // namespace core
