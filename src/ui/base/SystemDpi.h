#pragma once
// What the system says about dots per inch. The per-window answers exist from Windows 10 on; older
// systems have one DPI for every window, which these then give.
#include <windows.h>

namespace ui {

// The DPI of the primary monitor when the program started.
int SystemDpi();
// The DPI of the monitor the window is on.
int WindowDpi(HWND hwnd);
// The outer rectangle of a window with the given client rectangle, frame styles and DPI.
RECT OuterRectForDpi(RECT client, DWORD style, DWORD exStyle, int dpi);

}  // namespace ui
