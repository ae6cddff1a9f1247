// startbench: how long the wizard takes from process creation to its first painted page, against a
// minimal window with the same kinds of controls, started alternately in the same run. A third program,
// the minimal window with as many controls as the wizard (on hidden pages), shows what the number of
// windows alone costs.
//   startbench [runs, default 9] [program, default Pratilo.exe beside startbench]
// A start counts as done when a visible window of the process and its visible children have nothing
// left to paint, and the window's thread has then answered a message. `make bench` runs it twice: with
// the programs and the Wine server on one processor (the figures that compare the programs' own
// work), then on all processors.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/Clock.h"

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring self(path, n);
  return self.substr(0, self.find_last_of(L'\\') + 1) + name;
}

struct Search {
  DWORD pid;
  HWND found = nullptr;
};

HWND VisibleWindowOf(DWORD pid) {
  Search search{pid};
  EnumWindows(
      [](HWND h, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner != s->pid || !IsWindowVisible(h)) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool NothingLeftToPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool painted = true;
  EnumChildWindows(
      window,
      [](HWND h, LPARAM p) -> BOOL {
        if (IsWindowVisible(h) && GetUpdateRect(h, nullptr, FALSE)) *reinterpret_cast<bool*>(p) = false;
        return *reinterpret_cast<bool*>(p);
      },
      reinterpret_cast<LPARAM>(&painted));
  return painted;
}

int WindowsUnder(HWND window) {
  int count = 0;
  EnumChildWindows(
      window, [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<int*>(p), TRUE; },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

constexpr DWORD kSettleMs = 250;

struct Start {
  double ms = -1;  // from creation to the first painted page; negative when the program never got there
  int windows = 0;
};

Start TimeOneStart(const std::wstring& program, const std::wstring& arguments = {}) {
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  const double start = bench::NowMs();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return {};
  Start result;
  HWND window = nullptr;
  while (bench::NowMs() - start < 30000 && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
    window = VisibleWindowOf(pi.dwProcessId);
    DWORD_PTR answer = 0;
    if (window && NothingLeftToPaint(window) &&
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
      result.ms = bench::NowMs() - start;
      result.windows = WindowsUnder(window);
      break;
    }
    Sleep(1);  // polling harder would take the processor and the Wine server from the program measured
  }
  // The wizard asks before it closes: a second is enough for a window that does not.
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 1000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  // Wine goes on tearing a process down after it has ended: not to be counted in the next start.
  Sleep(kSettleMs);
  return result;
}

struct Figures {
  double min, median, max;
};

Figures Summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times.front(), times[times.size() / 2], times.back()};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
  const std::wstring program = argc > 2 ? argv[2] : BesideThisProgram(L"Pratilo.exe");
  const std::wstring minimal = BesideThisProgram(L"MinimalWindow.exe");
  // The first start of all also loads the files from disk: not counted. It tells how many windows
  // the wizard holds, and so how many hidden pages the crowded minimal window needs.
  const Start first = TimeOneStart(program);
  const int perPage = TimeOneStart(minimal, L"2").windows - TimeOneStart(minimal, L"1").windows;
  const int pages = std::max(1, 1 + (first.windows - TimeOneStart(minimal, L"1").windows) / std::max(1, perPage));
  const std::wstring crowded = std::to_wstring(pages);
  std::vector<double> wizard, yardstick, crowd;
  int windows[3] = {};
  for (int i = 0; i < runs; ++i) {
    const Start a = TimeOneStart(program), b = TimeOneStart(minimal, L"1"), c = TimeOneStart(minimal, crowded);
    if (a.ms < 0 || b.ms < 0 || c.ms < 0) {
      std::fprintf(stderr, "startbench: a start never showed a painted window\n");
      return 1;
    }
    wizard.push_back(a.ms);
    yardstick.push_back(b.ms);
    crowd.push_back(c.ms);
    windows[0] = a.windows, windows[1] = b.windows, windows[2] = c.windows;
  }
  const Figures w = Summarise(wizard), m = Summarise(yardstick), c = Summarise(crowd);
  std::printf("start-up to the first painted page, %d starts each (ms)\n", runs);
  std::printf("%-28s %8s %8s %8s %8s\n", "", "windows", "min", "median", "max");
  std::printf("%-28s %8d %8.0f %8.0f %8.0f\n", "wizard", windows[0], w.min, w.median, w.max);
  std::printf("%-28s %8d %8.0f %8.0f %8.0f\n", "minimal window", windows[1], m.min, m.median, m.max);
  std::printf("%-28s %8d %8.0f %8.0f %8.0f\n", "minimal, as many controls", windows[2], c.min, c.median, c.max);
  std::printf("ratio of the medians, wizard / minimal window: %.2f\n", w.median / m.median);
  std::printf("ratio of the medians, wizard / minimal with as many controls: %.2f\n", w.median / c.median);
  return 0;
}
