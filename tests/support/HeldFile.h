#pragma once
// A file held open by a second process (hold_file.exe, built beside the test programs) as a running
// simulator holds its textures: others may read it but not replace, rename or delete it.
#include <windows.h>

#include <string>

namespace testing_support {

class HeldFile {
 public:
  // Starts holding and returns once the file is open (held() tells whether it is). The other process
  // lets go by itself after `milliseconds` at the latest.
  explicit HeldFile(const std::string& path, DWORD milliseconds = 60000);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  bool held() const { return held_; }
  // Lets go of the file and waits until the other process has ended.
  void Release();

 private:
  PROCESS_INFORMATION process_{};
  HANDLE heldEvent_ = nullptr;
  HANDLE releaseEvent_ = nullptr;
  bool held_ = false;
};

// Holds a file (in this process, with the same sharing, or with `share`) from the moment a status
// bar first shows a text: a simulator started while a run is already under way, after the wizard's
// own check, or a program that opens the file for a moment without letting others read it.
class HoldOnProgress {
 public:
  HoldOnProgress(HWND statusBar, const std::string& path, DWORD share = FILE_SHARE_READ);
  ~HoldOnProgress();
  HoldOnProgress(const HoldOnProgress&) = delete;
  HoldOnProgress& operator=(const HoldOnProgress&) = delete;

  bool held() const { return file_ != INVALID_HANDLE_VALUE; }
  void Release();

 private:
  static LRESULT CALLBACK Watch(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  HWND statusBar_;
  std::wstring path_;
  DWORD share_;
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool started_ = false;  // once only: a released file stays released
};

}  // namespace testing_support
