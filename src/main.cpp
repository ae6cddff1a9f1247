#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"Pratilo", L"Pratilo", MB_OK);
  return 0;
}
