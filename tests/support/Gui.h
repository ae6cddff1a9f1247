#pragma once
// Helpers for tests that create real windows: common controls 6 (as the program's manifest asks),
// a plain host window, and message pumping.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// Activates common controls version 6 for the whole test program; safe to call more than once.
void UseCommonControls6();

// Runs every pending message of this thread.
void Pump();

// The colour at (x, y) of what a window draws into a memory surface of the given size when sent
// `paint` (WM_PRINTCLIENT or WM_ERASEBKGND) with that surface.
COLORREF DrawnPixel(HWND hwnd, UINT paint, SIZE surface, int x, int y);

// The colours of an icon drawn at size x size on white, row by row: two icons look the same when
// these are equal, whatever their handles.
std::vector<COLORREF> IconPixels(HICON icon, int size);

// A visible top-level window that parents the controls under test.
class Host {
 public:
  Host(int width = 600, int height = 400);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace testing_support
