#include "ui/FileOpener.h"

#include <windows.h>

#include "core/Utf8.h"
#include "core/ValueText.h"
#include "ui/PromptDialog.h"

namespace ui {

bool IsBatchFile(std::string_view name) { return core::EndsWithText(name, ".bat", false); }

std::string DocumentCommand(std::string_view name, int batchAnswer) {
  bool notepad = IsBatchFile(name) ? batchAnswer != kBatchRunAnswer
                                   : core::EndsWithText(name, ".sys", false) || core::EndsWithText(name, ".cfg", false);
  return std::string(notepad ? kNotepadCommand : kAssociatedCommand) + std::string(name);
}

std::string AskDocumentCommand(std::string_view name) {
  int answer = -1;
  if (IsBatchFile(name))
    answer = PromptChoice(kBatchQuestion, kBatchCaption, PromptIcon::Warning, {kBatchShow, kBatchRun});
  return DocumentCommand(name, answer);
}

bool StartCommand(std::string_view commandLine, int showCmd) {
  std::wstring line = core::Widen(commandLine);  // CreateProcessW may write into it
  STARTUPINFOW startup{sizeof startup};
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCmd);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void OpenDocument(std::string_view name, int showCmd) { StartCommand(AskDocumentCommand(name), showCmd); }

}  // namespace ui
