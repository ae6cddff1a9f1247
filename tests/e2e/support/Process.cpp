#include "e2e/support/Process.h"

#include <atomic>
#include <thread>

#include "support/Text.h"
#include "support/Build.h"

namespace e2e {

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs, int pollMs) {
  auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    Sleep(static_cast<DWORD>(pollMs));
  }
}

ChildProcess::~ChildProcess() { Close(); }

void ChildProcess::Close() {
  Kill();
  if (info_.hThread) CloseHandle(info_.hThread);
  if (info_.hProcess) CloseHandle(info_.hProcess);
  info_ = {};
}

bool ChildProcess::Start(const std::string& exe, const std::string& arguments, bool quiet, const std::string& output) {
  if (Started()) return false;
  std::wstring path = testing_support::Widen(exe);
  std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
  std::wstring command = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + testing_support::Widen(arguments));
  STARTUPINFOW startup{sizeof startup};
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE nul = INVALID_HANDLE_VALUE;
  if (!output.empty())
    nul = CreateFileW(testing_support::Widen(output).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      &inherit, CREATE_ALWAYS, 0, nullptr);
  else if (quiet)
    nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                      OPEN_EXISTING, 0, nullptr);
  if (nul != INVALID_HANDLE_VALUE) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
  }
  // Wine now and then fails to start a process while another is going away; a few tries ride it out.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0) Sleep(250);
    started = CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, nul != INVALID_HANDLE_VALUE, 0, nullptr,
                             folder.c_str(), &startup, &info_) != 0;
    if (!started) startError_ = GetLastError();
  }
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  return started;
}

bool ChildProcess::Running() const { return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool ChildProcess::WaitExit(int timeoutMs) const {
  return Started() && WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (Started()) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void ChildProcess::Kill() {
  if (!Running()) return;
  TerminateProcess(info_.hProcess, 9);
  WaitForSingleObject(info_.hProcess, 5000);
}

}  // namespace e2e
