#pragma once
// Only one copy of the program runs: a later copy hands its command line to the running one, brings it
// to the front and ends before showing anything.
#include <windows.h>

#include <functional>
#include <string>

#include "core/Halt.h"

namespace core {

// Sent to the running copy; wParam is a global atom naming the forwarded command line, lParam is 0.
inline constexpr UINT InstanceMessage = WM_USER + 101;  // 1125

// Exit codes of a copy that stops here.
inline constexpr int kOtherCopyRunsExitCode = 0;
inline constexpr int kWrongNameExitCode = 1;

// Shows the wrong-name error; empty: an ownerless system box with the error icon.
using ErrorBoxFunction = std::function<void(const std::string& text, const std::string& caption)>;

struct SingleInstanceOptions {
  // A running copy that does not answer within this time is not waited for any longer.
  unsigned sendTimeoutMs = 5000;
  // How long a later copy waits for the running copy's application window to appear.
  unsigned windowWaitMs = 5000;
};

// appWindow: this copy's application window, the hidden top-level window standing for the program;
// its class name and title identify the program. True when another copy runs; otherwise this copy
// is from now on the one that runs. Nothing is handed over.
bool OtherCopyRuns(HWND appWindow, const SingleInstanceOptions& options = {});

// Returns only when this copy may go on starting; otherwise it hands its command line to the running
// copy and ends the program (the environment is still released).
void CheckSingleInstance(HWND appWindow, const std::string& expectedName, const ErrorBoxFunction& errorBox = {},
                         const SingleInstanceOptions& options = {});

}  // namespace core
