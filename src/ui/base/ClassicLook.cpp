#include "ui/base/ClassicLook.h"

#include "core/SystemLibrary.h"

namespace ui {

void UseClassicLook(HWND window) {
  // uxtheme.dll is no known DLL: from the system folder, never beside the program.
  using SetTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const SetTheme setTheme = core::SystemFunction<SetTheme>(L"uxtheme.dll", "SetWindowTheme");
  if (setTheme) setTheme(window, L"", L"");
}

}  // namespace ui
