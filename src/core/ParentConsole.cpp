#include "core/ParentConsole.h"

#include <windows.h>

#include "core/Utf8.h"

namespace core {

bool WriteToParentConsole(std::string_view utf8) {
  // Output the starter redirected to a file or a pipe takes the bytes as they are.
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_CHAR && GetFileType(out) != FILE_TYPE_UNKNOWN) {
    DWORD written = 0;
    return WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) && written == utf8.size();
  }
  static const HANDLE console = [] {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return INVALID_HANDLE_VALUE;
    return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  }();
  if (console == INVALID_HANDLE_VALUE) return false;
  const std::wstring text = Widen(utf8);
  DWORD written = 0;
  return WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
}

}  // namespace core
