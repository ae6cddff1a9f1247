#include <windows.h>

#include "core/Environment.h"
#include "core/Utf8.h"

namespace {

LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// Until the wizard window takes over: a plain window that shows the version text.
int RunPlainWindow(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"PratiloPlain";
  RegisterClassW(&wc);
  const std::wstring caption = core::Widen(core::VersionText(4));
  HWND window = CreateWindowExW(0, wc.lpszClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 400, 120, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 30, 370, 20, window,
                  nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  core::InitEnvironment();
  const int result = RunPlainWindow(instance);
  core::DoneEnvironment();
  return result;
}
