// Copies of a stand-in program (InstanceProbe.exe) are started as real processes; each records in a
// file whether it went on and which forwarded texts its windows received.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/SingleInstance.h"
#include "core/SingleInstanceRules.h"
#include "core/Utf8.h"
#include "support/TempFolder.h"

using namespace core;
using namespace testing_support;

namespace {

constexpr DWORD kProbeWentOn = 10;

// The stand-in's settings, passed as environment variables.
using Settings = std::map<std::string, std::string>;

std::wstring ProbePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.rfind(L'\\') + 1) + L"InstanceProbe.exe";
}

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::string bytes = ReadFileBytes(path), line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  return lines;
}

// One copy of the stand-in program with its own record file.
class Copy {
 public:
  Copy(const TempFolder& folder, const std::string& name, Settings settings,
       const std::string& parameters = "")
      : record_(folder / (name + ".txt")) {
    settings["PROBE_RECORD"] = record_;
    std::wstring block;
    if (wchar_t* env = GetEnvironmentStringsW()) {
      for (const wchar_t* p = env; *p; p += wcslen(p) + 1) block.append(p).push_back(L'\0');
      FreeEnvironmentStringsW(env);
    }
    for (const auto& [key, value] : settings) block.append(Widen(key + "=" + value)).push_back(L'\0');
    block.push_back(L'\0');
    std::wstring commandLine = L"\"" + ProbePath() + L"\"" + (parameters.empty() ? L"" : L" " + Widen(parameters));
    STARTUPINFOW si{sizeof si};
    started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                              block.data(), nullptr, &si, &process_);
  }
  ~Copy() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      if (HWND main = MainWindow()) PostMessageW(main, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }

  bool started() const { return started_; }
  void Kill() const { TerminateProcess(process_.hProcess, 99); }
  std::vector<std::string> lines() const { return Lines(record_); }

  // Waits until the copy has gone on past the check and shows its main window.
  bool WaitWentOn(DWORD ms = 20000) const {
    for (const ULONGLONG end = GetTickCount64() + ms; GetTickCount64() < end; Sleep(20))
      if (MainWindow()) return true;
    return false;
  }
  HWND MainWindow() const {
    for (const auto& line : lines())
      if (line.rfind("went on ", 0) == 0) return reinterpret_cast<HWND>(std::stoull(line.substr(8)));
    return nullptr;
  }
  // The exit code, or STILL_ACTIVE when the copy has not ended within the time.
  DWORD WaitExit(DWORD ms = 20000) const {
    WaitForSingleObject(process_.hProcess, ms);
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }
  std::vector<std::string> LinesStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& line : lines())
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
  }

 private:
  std::string record_;
  bool started_ = false;
  PROCESS_INFORMATION process_{};
};

std::string UniqueClass(const char* label) {
  return std::string("InstanceProbe.") + label + "." + std::to_string(GetCurrentProcessId());
}

// A copy whose application window is of the test's own class, titled like the program's.
Settings CopyOf(const std::string& cls, Settings more = {}) {
  more["PROBE_CLASS"] = cls;
  more.emplace("PROBE_TITLE", "Pratilo");
  return more;
}

// A window of the test itself, made the foreground window so that a change of foreground shows.
class Bystander {
 public:
  Bystander() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SingleInstanceBystander";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"Bystander", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                            nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(hwnd_);
    Pump();
  }
  ~Bystander() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

 private:
  HWND hwnd_ = nullptr;
};

bool WaitFor(const std::function<bool()>& condition, DWORD ms = 5000) {
  for (const ULONGLONG end = GetTickCount64() + ms; GetTickCount64() < end; Sleep(20)) {
    Bystander::Pump();
    if (condition()) return true;
  }
  return condition();
}

}  // namespace

TEST(SingleInstance, AloneTheCopyGoesOnAndEndsNormally) {
  TempFolder folder("instance");
  const Settings settings = CopyOf(UniqueClass("alone"));
  Copy first(folder, "first", settings, "a b");
  ASSERT_TRUE(first.started());
  ASSERT_TRUE(first.WaitWentOn());
  EXPECT_TRUE(first.LinesStartingWith("atom").empty());
  PostMessageW(first.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(first.WaitExit(), kProbeWentOn);
}

TEST(SingleInstance, ASecondCopyForwardsItsParametersEndsAndBringsTheFirstToTheFront) {
  TempFolder folder("instance");
  const Settings settings = CopyOf(UniqueClass("forward"));
  Copy first(folder, "first", settings);
  ASSERT_TRUE(first.WaitWentOn());
  HWND main = first.MainWindow();
  RECT before{};
  GetWindowRect(main, &before);

  Bystander bystander;
  ASSERT_EQ(GetForegroundWindow(), bystander.hwnd());
  auto secondSettings = settings;
  const std::string temp = folder / "second.tmp";
  ASSERT_TRUE(WriteFileBytes(temp, "x"));
  secondSettings["PROBE_TEMP"] = temp;
  Copy second(folder, "second", secondSettings, "a b");
  EXPECT_EQ(second.WaitExit(), static_cast<DWORD>(kOtherCopyRunsExitCode));
  EXPECT_TRUE(second.LinesStartingWith("went on").empty());
  EXPECT_FALSE(FileExists(temp)) << "the environment's shutdown did not run";

  // The text goes to the window last active in the running copy, its main window.
  EXPECT_EQ(first.LinesStartingWith("atom"), std::vector<std::string>{"atom main a b "});
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));
  RECT after{};
  GetWindowRect(main, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_FALSE(IsIconic(main));
}

TEST(SingleInstance, ForwardedTextsAsReceivedByTheRunningCopy) {
  TempFolder folder("instance");
  const Settings settings = CopyOf(UniqueClass("texts"));
  Copy first(folder, "first", settings);
  ASSERT_TRUE(first.WaitWentOn());
  struct Case {
    const char* parameters;
    std::vector<std::string> atoms;
  } cases[] = {
      {"", {}},
      {"a x.EXE", {}},
      {"a B.exe c", {"atom main c "}},
      {"\"C:\\Vol été\\herbe.bmp\" /m", {"atom main C:\\Vol été\\herbe.bmp /m "}},
  };
  int n = 0;
  for (const auto& c : cases) {
    const size_t already = first.LinesStartingWith("atom").size();
    Bystander bystander;
    Copy second(folder, "second" + std::to_string(n++), settings, c.parameters);
    EXPECT_EQ(second.WaitExit(), static_cast<DWORD>(kOtherCopyRunsExitCode)) << c.parameters;
    // The send returns only once the running copy has handled the message: nothing more can come.
    auto atoms = first.LinesStartingWith("atom");
    atoms.erase(atoms.begin(), atoms.begin() + static_cast<long>(already));
    EXPECT_EQ(atoms, c.atoms) << c.parameters;
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == first.MainWindow(); })) << c.parameters;
  }
}

TEST(SingleInstance, AMinimisedRunningCopyIsRestored) {
  TempFolder folder("instance");
  const Settings settings = CopyOf(UniqueClass("minimised"));
  auto firstSettings = settings;
  firstSettings["PROBE_MINIMISE"] = "1";
  Copy first(folder, "first", firstSettings);
  ASSERT_TRUE(first.WaitWentOn());
  ASSERT_TRUE(IsIconic(first.MainWindow()));
  Copy second(folder, "second", settings, "z");
  EXPECT_EQ(second.WaitExit(), static_cast<DWORD>(kOtherCopyRunsExitCode));
  EXPECT_TRUE(WaitFor([&] { return !IsIconic(first.MainWindow()); }));
  EXPECT_EQ(first.LinesStartingWith("atom"), std::vector<std::string>{"atom main z "});
}

TEST(SingleInstance, OnlyTheSameClassAndTitleCountAsACopy) {
  TempFolder folder("instance");
  const std::string cls = UniqueClass("identity");
  Copy first(folder, "first", CopyOf(cls));
  ASSERT_TRUE(first.WaitWentOn());
  const std::pair<std::string, std::string> others[] = {
      {cls, "Autre"}, {cls, "pratilo"}, {cls + "2", "Pratilo"}};
  int n = 0;
  for (const auto& [otherClass, otherTitle] : others) {
    Copy other(folder, "other" + std::to_string(n++), CopyOf(otherClass, {{"PROBE_TITLE", otherTitle}}), "q");
    EXPECT_TRUE(other.WaitWentOn()) << otherClass << "|" << otherTitle;
  }
  EXPECT_TRUE(first.LinesStartingWith("atom").empty());
}

TEST(SingleInstance, TwoCopiesStartedTogetherLeaveExactlyOneRunning) {
  TempFolder folder("instance");
  for (int round = 0; round < 3; ++round) {
    const std::wstring eventName = L"SingleInstanceStart." + std::to_wstring(GetCurrentProcessId()) + L"." +
                                   std::to_wstring(round);
    HANDLE start = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
    ASSERT_NE(start, nullptr);
    const Settings settings =
        CopyOf(UniqueClass("together") + std::to_string(round), {{"PROBE_START_EVENT", Narrow(eventName)}});
    const std::string r = std::to_string(round);
    Copy a(folder, "a" + r, settings, "from a"), b(folder, "b" + r, settings, "from b");
    Sleep(1500);  // both copies are up and waiting for the signal
    SetEvent(start);

    ASSERT_TRUE(WaitFor([&] { return a.MainWindow() || b.MainWindow(); }, 20000)) << "neither copy went on";
    const Copy& runner = a.MainWindow() ? a : b;
    const Copy& ender = a.MainWindow() ? b : a;
    EXPECT_EQ(ender.WaitExit(), static_cast<DWORD>(kOtherCopyRunsExitCode)) << "round " << round;
    EXPECT_EQ(ender.MainWindow(), nullptr) << "round " << round;
    EXPECT_EQ(runner.WaitExit(0), STILL_ACTIVE) << "round " << round;
    // The running copy may not have its main window yet: then its application window gets the text.
    const std::string from = &ender == &a ? "from a " : "from b ";
    const auto atoms = runner.LinesStartingWith("atom");
    ASSERT_EQ(atoms.size(), 1u) << "round " << round;
    EXPECT_TRUE(atoms[0] == "atom main " + from || atoms[0] == "atom app " + from) << atoms[0];
    CloseHandle(start);
  }
}

TEST(SingleInstance, ARunningCopyThatDoesNotAnswerDoesNotHoldUpTheNewOne) {
  TempFolder folder("instance");
  const Settings settings = CopyOf(UniqueClass("hung"));
  auto firstSettings = settings;
  firstSettings["PROBE_BLOCK_MS"] = "60000";
  Copy first(folder, "first", firstSettings);
  ASSERT_TRUE(first.WaitWentOn());

  auto secondSettings = settings;
  secondSettings["PROBE_SEND_TIMEOUT"] = "1000";
  const ULONGLONG started = GetTickCount64();
  Copy second(folder, "second", secondSettings, "a b");
  EXPECT_EQ(second.WaitExit(15000), static_cast<DWORD>(kOtherCopyRunsExitCode));
  EXPECT_LT(GetTickCount64() - started, 15000u);
  EXPECT_TRUE(second.LinesStartingWith("went on").empty());
  first.Kill();
}

TEST(SingleInstance, AWrongProgramNameShowsTheErrorAndEnds) {
  TempFolder folder("instance");
  const std::string cls = UniqueClass("name");
  Copy wrong(folder, "wrong", CopyOf(cls, {{"PROBE_EXPECTED", "Pratilo"}}));
  EXPECT_EQ(wrong.WaitExit(), static_cast<DWORD>(kWrongNameExitCode));
  EXPECT_EQ(wrong.lines(), std::vector<std::string>{"box Erreur|Veuillez renommez ce programme \"Pratilo.exe\", il "
                                                    "ne peut pas fonctionner sans cela !|icon"});

  Copy right(folder, "right", CopyOf(cls, {{"PROBE_EXPECTED", "INSTANCEPROBE"}}));
  EXPECT_TRUE(right.WaitWentOn());
  EXPECT_TRUE(right.LinesStartingWith("box").empty());
}

namespace {

std::vector<std::string> g_received;  // texts received by the test's own application window

LRESULT CALLBACK ReceivingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == InstanceMessage) {
    wchar_t buffer[256] = {};
    const UINT n = GlobalGetAtomNameW(static_cast<ATOM>(wp), buffer, 256);
    g_received.push_back(Narrow(std::wstring_view(buffer, n)));
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// Plays the running copy inside the test: holds the copies' mutex, and may show its window later.
class HeldMutex {
 public:
  HeldMutex(const std::string& cls, const std::string& title)
      : mutex_(CreateMutexW(nullptr, TRUE, Widen(InstanceMutexName(cls, title)).c_str())) {}
  ~HeldMutex() { Release(); }
  bool held() const { return mutex_ != nullptr; }
  void Release() {
    if (!mutex_) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
    mutex_ = nullptr;
  }

 private:
  HANDLE mutex_;
};

}  // namespace

TEST(SingleInstanceWait, ALaterCopyWaitsForTheRunningCopysWindowAndHandsItsTextToIt) {
  TempFolder folder("instance");
  const std::string cls = UniqueClass("late");
  HeldMutex held(cls, "Pratilo");
  ASSERT_TRUE(held.held());
  Copy second(folder, "second", CopyOf(cls), "a b");
  Sleep(1500);  // the copy is searching by now, and finds nothing yet
  ASSERT_EQ(second.WaitExit(0), STILL_ACTIVE);

  g_received.clear();
  const std::wstring wcls = Widen(cls);
  WNDCLASSW wc{};
  wc.lpfnWndProc = ReceivingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = wcls.c_str();
  ASSERT_TRUE(RegisterClassW(&wc));
  HWND app =
      CreateWindowExW(0, wcls.c_str(), L"Pratilo", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(app, nullptr);
  EXPECT_TRUE(WaitFor([&] { return second.WaitExit(0) != STILL_ACTIVE; }, 10000));
  EXPECT_EQ(second.WaitExit(0), static_cast<DWORD>(kOtherCopyRunsExitCode));
  EXPECT_EQ(g_received, std::vector<std::string>{"a b "});
  DestroyWindow(app);
  UnregisterClassW(wcls.c_str(), wc.hInstance);
}

TEST(SingleInstanceWait, WithNoWindowToHandOverToTheLaterCopyGoesOnAfterTheWait) {
  TempFolder folder("instance");
  const std::string cls = UniqueClass("nowindow");
  HeldMutex held(cls, "Pratilo");
  ASSERT_TRUE(held.held());
  const ULONGLONG started = GetTickCount64();
  Copy second(folder, "second", CopyOf(cls, {{"PROBE_WAIT_MS", "1500"}}));
  ASSERT_TRUE(second.WaitWentOn());
  EXPECT_GE(GetTickCount64() - started, 1500u);
}

TEST(SingleInstanceWait, ACopyEndingWhileTheLaterOneWaitsLeavesItTheRun) {
  TempFolder folder("instance");
  const std::string cls = UniqueClass("ending");
  HeldMutex held(cls, "Pratilo");
  ASSERT_TRUE(held.held());
  Copy second(folder, "second", CopyOf(cls, {{"PROBE_WAIT_MS", "60000"}}));
  Sleep(1500);
  ASSERT_EQ(second.MainWindow(), nullptr);
  held.Release();
  EXPECT_TRUE(second.WaitWentOn(10000));

  // It now holds the run: a copy after it gives way to it.
  Copy third(folder, "third", CopyOf(cls), "3");
  EXPECT_EQ(third.WaitExit(), static_cast<DWORD>(kOtherCopyRunsExitCode));
  EXPECT_EQ(second.LinesStartingWith("atom"), std::vector<std::string>{"atom main 3 "});
}
