#include "support/HeldFile.h"

#include <commctrl.h>

#include "support/Text.h"

namespace testing_support {

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

}  // namespace

HeldFile::HeldFile(const std::string& path, DWORD milliseconds) {
  static int counter = 0;
  const std::wstring name =
      L"PratiloHoldFile." + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++counter);
  heldEvent_ = CreateEventW(nullptr, TRUE, FALSE, (name + L".held").c_str());
  releaseEvent_ = CreateEventW(nullptr, TRUE, FALSE, (name + L".release").c_str());
  const std::wstring program = BesideThisProgram(L"hold_file.exe");
  std::wstring command = L"\"" + program + L"\" \"" + Widen(path) + L"\" " + name + L" " +
                         std::to_wstring(milliseconds);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!heldEvent_ || !releaseEvent_ ||
      !CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_))
    return;
  // Either the file is held, or the other process gave up (it could not open the file).
  HANDLE either[] = {heldEvent_, process_.hProcess};
  held_ = WaitForMultipleObjects(2, either, FALSE, 20000) == WAIT_OBJECT_0;
}

HeldFile::~HeldFile() {
  Release();
  if (heldEvent_) CloseHandle(heldEvent_);
  if (releaseEvent_) CloseHandle(releaseEvent_);
}

void HeldFile::Release() {
  if (!process_.hProcess) return;
  SetEvent(releaseEvent_);
  if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 3);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  process_ = {};
  held_ = false;
}

namespace {
constexpr UINT_PTR kHoldSubclassId = 0x484F4C44;  // "HOLD"
}

HoldOnProgress::HoldOnProgress(HWND statusBar, const std::string& path, DWORD share)
    : statusBar_(statusBar), path_(Widen(path)), share_(share) {
  SetWindowSubclass(statusBar_, &HoldOnProgress::Watch, kHoldSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

HoldOnProgress::~HoldOnProgress() {
  RemoveWindowSubclass(statusBar_, &HoldOnProgress::Watch, kHoldSubclassId);
  Release();
}

void HoldOnProgress::Release() {
  if (held()) CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
}

LRESULT CALLBACK HoldOnProgress::Watch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<HoldOnProgress*>(data);
  const bool showsText = msg == SB_SETTEXTW && lp && *reinterpret_cast<const wchar_t*>(lp) != L'\0';
  if (showsText && !self->started_) {
    self->started_ = true;
    self->file_ = CreateFileW(self->path_.c_str(), GENERIC_READ, self->share_, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace testing_support
