#include "support/ModalAnswerer.h"

#include <vector>

namespace testing_support {

namespace {

struct Search {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (pid == search->processId && IsWindowVisible(hwnd) && wcscmp(cls, L"#32770") == 0) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

std::wstring TextOf(HWND hwnd) {
  wchar_t buf[2048] = {};
  GetWindowTextW(hwnd, buf, 2048);
  return buf;
}

}  // namespace

ModalAnswerer::ModalAnswerer(int buttonId, DWORD timeoutMs)
    : thread_([this, buttonId, timeoutMs] { Run(buttonId, timeoutMs); }) {}

ModalAnswerer::~ModalAnswerer() {
  if (thread_.joinable()) thread_.join();
}

bool ModalAnswerer::Wait() {
  if (thread_.joinable()) thread_.join();
  return answered_;
}

void ModalAnswerer::Run(int buttonId, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    Search search{processId_};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      Sleep(50);  // let the box finish its initialisation
      caption_ = TextOf(search.found);
      for (HWND child = GetWindow(search.found, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (_wcsicmp(cls, L"Button") == 0) {
          if (!buttons_.empty()) buttons_ += L"|";
          buttons_ += TextOf(child);
        } else if (_wcsicmp(cls, L"Static") == 0) {
          if ((style & SS_TYPEMASK) == SS_ICON) {
            HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            questionIcon_ = questionIcon_ || icon == LoadIconW(nullptr, IDI_QUESTION);
          } else if (text_.empty()) {
            text_ = TextOf(child);
          }
        }
      }
      HWND button = GetDlgItem(search.found, buttonId);
      if (button) SendMessageW(search.found, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
      else PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
      answered_ = true;
      return;
    }
    Sleep(20);
  }
}

}  // namespace testing_support
