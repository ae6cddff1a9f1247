#pragma once
// A real host window for the archive job tests' status bars.
#include <windows.h>

namespace ztest {

// A top-level window to parent controls; common controls are initialised on first use.
class HostWindow {
 public:
  HostWindow();
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace ztest
