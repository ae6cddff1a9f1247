#include "support/Gui.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>

#include "core/Utf8.h"
#include "ui/widgets/Control.h"

namespace testing_support {

namespace {

const char kManifest[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <dependency><dependentAssembly>
    <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                      processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
  </dependentAssembly></dependency>
</assembly>
)";

std::wstring TempPath() {
  wchar_t buffer[MAX_PATH + 1]{};
  GetTempPathW(MAX_PATH, buffer);
  return buffer;
}

// Runs before any test so that every window of the program uses the same controls as Pratilo.exe.
struct AutoActivate {
  AutoActivate() { UseCommonControls6(); }
} autoActivate;

}  // namespace

void UseCommonControls6() {
  static bool done = false;
  if (done) return;
  done = true;
  std::wstring file = TempPath() + L"pratilo-tests-comctl6-" + std::to_wstring(GetCurrentProcessId()) + L".manifest";
  {
    std::ofstream out(file.c_str(), std::ios::binary);
    out << kManifest;
  }
  ACTCTXW ctx{sizeof ctx};
  ctx.lpSource = file.c_str();
  HANDLE handle = CreateActCtxW(&ctx);
  ULONG_PTR cookie = 0;
  if (handle != INVALID_HANDLE_VALUE) ActivateActCtx(handle, &cookie);
  DeleteFileW(file.c_str());
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

namespace {

// The host reflects its children's notifications as every container of the widget layer does.
LRESULT CALLBACK Reflecting(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  LRESULT result = 0;
  if (ui::ReflectToChild(msg, wParam, lParam, result)) return result;
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

Host::Host(int width, int height) {
  const wchar_t* cls = ui::PlainWindowClass(L"PratiloTestHost", GetSysColorBrush(COLOR_BTNFACE));
  hwnd_ = CreateWindowExW(0, cls, L"host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, width, height, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowSubclass(hwnd_, Reflecting, 1, 0);
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

Host::~Host() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

COLORREF DrawnPixel(HWND hwnd, UINT paint, SIZE surface, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, surface.cx, surface.cy);
  HGDIOBJ old = SelectObject(dc, target);
  SendMessageW(hwnd, paint, reinterpret_cast<WPARAM>(dc), paint == WM_PRINTCLIENT ? PRF_CLIENT : 0);
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(target);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return c;
}

std::vector<COLORREF> IconPixels(HICON icon, int size) {
  std::vector<COLORREF> pixels;
  if (!icon || size <= 0) return pixels;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, target);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(target);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace testing_support
