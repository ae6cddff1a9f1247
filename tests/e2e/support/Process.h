#pragma once
// Programs started by the end-to-end tests: the wizard itself and the helper that holds a file open.
// Every process is ended by its own handle when its owner goes, so no test leaves one behind.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace e2e {

using Clock = std::chrono::steady_clock;

// Milliseconds since `start`.
double MillisecondsSince(Clock::time_point start);

// Polls `done` until it gives true or `timeoutMs` have passed; true when it did.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs, int pollMs = 10);

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts `exe` (UTF-8 path) with its folder as the current folder; a quiet process writes its
  // output nowhere, one given an output file writes it there.
  bool Start(const std::string& exe, const std::string& arguments = {}, bool quiet = false,
             const std::string& output = {});
  bool Started() const { return info_.hProcess != nullptr; }
  bool Running() const;
  // True when the process has ended within the time.
  bool WaitExit(int timeoutMs) const;
  // Ends the process at once, as a crash or the task manager would.
  void Kill();
  // Kills the process and lets go of it, so that Start can be called again.
  void Close();
  // The exit code of an ended process; STILL_ACTIVE while it runs.
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  // The system's error code of the last failed start.
  DWORD StartError() const { return startError_; }

 private:
  PROCESS_INFORMATION info_{};
  DWORD startError_ = 0;
};

}  // namespace e2e
