// A stand-in for the program in the single-instance tests: creates an application window of a given
// class and title with a main window owned by it, runs the single-instance check and writes what
// happened to a record file, one line per event. Settings come from environment variables so that the
// command line stays what the copy forwards.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/Environment.h"
#include "core/EnvironmentRules.h"
#include "core/SingleInstance.h"
#include "core/Utf8.h"
#include "support/DialogAnswerer.h"

namespace {

constexpr int kWentOnExitCode = 10;

std::string EnvVar(const char* name) {
  wchar_t buffer[1024] = {};
  const DWORD n = GetEnvironmentVariableW(core::Widen(name).c_str(), buffer, 1024);
  return n > 0 && n < 1024 ? core::Narrow(std::wstring_view(buffer, n)) : std::string();
}

unsigned EnvNumber(const char* name, unsigned fallback) {
  const std::string text = EnvVar(name);
  return text.empty() ? fallback : static_cast<unsigned>(std::stoul(text));
}

void Record(const std::string& line) {
  const std::string path = EnvVar("PROBE_RECORD");
  if (path.empty()) return;
  if (FILE* f = _wfopen(core::Widen(path).c_str(), L"ab")) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

std::string AtomText(WPARAM atom) {
  wchar_t buffer[256] = {};
  const UINT n = GlobalGetAtomNameW(static_cast<ATOM>(atom), buffer, 256);
  return core::Narrow(std::wstring_view(buffer, n));
}

LRESULT CALLBACK AppProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == core::InstanceMessage) Record("atom app " + AtomText(wp));
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == core::InstanceMessage) Record("atom main " + AtomText(wp));
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND MakeWindow(const std::wstring& cls, WNDPROC proc, const std::wstring& title, DWORD style, HWND owner) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = cls.c_str();
  RegisterClassW(&wc);
  return CreateWindowExW(0, cls.c_str(), title.c_str(), style, 100, 100, 300, 200, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The default box, answered from inside this process before the check ends it.
void AnsweredErrorBox(const std::string& text, const std::string& caption) {
  testing_support::DialogAnswerer answerer(core::Widen(caption), IDOK);
  MessageBoxW(nullptr, core::Widen(text).c_str(), core::Widen(caption).c_str(), MB_OK | MB_ICONHAND);
  for (const auto& seen : answerer.Finish())
    Record("box " + caption + "|" + seen.text + "|" + (seen.hasIcon ? "icon" : "no icon"));
}

}  // namespace

int main() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  core::Env().ProgramName = core::SplitProgramPath(core::Narrow(path)).name;
  const std::string temp = EnvVar("PROBE_TEMP");
  if (!temp.empty()) core::Env().TempFiles.push_back(temp);  // removed by the environment's shutdown

  HWND app = MakeWindow(core::Widen(EnvVar("PROBE_CLASS")), AppProc, core::Widen(EnvVar("PROBE_TITLE")),
                        WS_POPUP, nullptr);
  if (!app) return 3;

  // Copies started together: each has its window before any of them looks for the others.
  const std::string startEvent = EnvVar("PROBE_START_EVENT");
  if (!startEvent.empty()) {
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, core::Widen(startEvent).c_str());
    if (event) WaitForSingleObject(event, 20000);
  }

  core::SingleInstanceOptions options;
  options.sendTimeoutMs = EnvNumber("PROBE_SEND_TIMEOUT", options.sendTimeoutMs);
  options.windowWaitMs = EnvNumber("PROBE_WAIT_MS", options.windowWaitMs);
  core::CheckSingleInstance(app, EnvVar("PROBE_EXPECTED"), AnsweredErrorBox, options);

  HWND main = MakeWindow(L"InstanceProbeMain", MainProc, L"Probe main", WS_OVERLAPPEDWINDOW, app);
  ShowWindow(main, EnvVar("PROBE_MINIMISE") == "1" ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  if (EnvVar("PROBE_MINIMISE") != "1") SetForegroundWindow(main);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  Record("went on " + std::to_string(reinterpret_cast<uintptr_t>(main)));

  if (const unsigned block = EnvNumber("PROBE_BLOCK_MS", 0)) Sleep(block);  // a copy that does not answer
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  core::DoneEnvironment();
  return kWentOnExitCode;
}
