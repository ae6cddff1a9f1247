#include "ui/dialogs/FailureQuestion.h"

#include <windows.h>

#include "core/Utf8.h"
#include "ui/dialogs/MessageBoxes.h"

namespace ui {
namespace {

thread_local HHOOK g_hook = nullptr;

// The standard box has English captions under an English system; the program's are French.
LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    SetDlgItemTextW(box, IDABORT, L"&Abandonner");
    SetDlgItemTextW(box, IDRETRY, L"&Retenter");
    SetDlgItemTextW(box, IDIGNORE, L"&Ignorer");
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    return 0;
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

std::string FileFailureQuestionText(std::string_view failureMessage) {
  return std::string(failureMessage) + ". File processing error, possibly disk is full";
}

files::TZAAction AskFileFailureQuestion(std::string_view failureMessage) {
  g_hook = SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId());
  int answer = MsgBox(FileFailureQuestionText(failureMessage), core::Narrow(kFailureQuestionTitle),
                      MB_ABORTRETRYIGNORE | MB_ICONQUESTION);
  if (g_hook) {
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
  switch (answer) {
    case IDRETRY: return files::TZAAction::fxaRetry;
    case IDIGNORE: return files::TZAAction::fxaIgnore;
    default: return files::TZAAction::fxaAbort;
  }
}

files::TZAAction AskAboutFailedFile(files::TZipBaseArchiver&, const std::string&, files::TZAProcessOperation,
                                    const files::EZAException& failure) {
  return AskFileFailureQuestion(failure.what());
}

}  // namespace ui
