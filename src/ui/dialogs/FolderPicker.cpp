#include "ui/dialogs/FolderPicker.h"

#include <shlobj.h>

#include "core/PathTests.h"
#include "core/Utf8.h"

namespace ui {
namespace {

int CALLBACK StartPickerAt(HWND picker, UINT msg, LPARAM, LPARAM start) {
  if (msg == BFFM_INITIALIZED && start) SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

std::string PickFolder(HWND owner, const std::string& prompt, const std::string& start) {
  std::wstring title = core::Widen(prompt);
  std::wstring startWide = core::Widen(start);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = StartPickerAt;
  info.lParam = core::FolderExists(startWide) ? reinterpret_cast<LPARAM>(startWide.c_str()) : 0;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (!chosen) return {};
  wchar_t path[MAX_PATH * 4]{};
  BOOL ok = SHGetPathFromIDListEx(chosen, path, static_cast<DWORD>(std::size(path)), GPFIDL_DEFAULT);
  CoTaskMemFree(chosen);
  return ok ? core::Narrow(path) : std::string();
}

}  // namespace ui
