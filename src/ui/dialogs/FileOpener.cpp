#include "ui/dialogs/FileOpener.h"

#include <windows.h>

#include "core/FolderNames.h"
#include "core/Utf8.h"
#include "core/TextTools.h"
#include "ui/dialogs/PromptDialog.h"

namespace ui {

bool IsBatchFile(std::string_view name) { return core::EndsWithText(name, ".bat", false); }

std::string SystemFolder() {
  wchar_t folder[MAX_PATH]{};
  UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return core::AddBackslash(core::Narrow(std::wstring_view(folder, length < MAX_PATH ? length : 0)));
}

std::string DocumentCommand(std::string_view name, int batchAnswer, std::string_view systemFolder) {
  bool notepad = IsBatchFile(name) ? batchAnswer != kBatchRunAnswer
                                   : core::EndsWithText(name, ".sys", false) || core::EndsWithText(name, ".cfg", false);
  std::string command = "\"" + std::string(systemFolder);
  command += notepad ? "notepad.exe\" " : "rundll32.exe\" url.dll,FileProtocolHandler ";
  return command + std::string(name);
}

std::string AskDocumentCommand(std::string_view name) {
  int answer = -1;
  // Escape and the close box show the file: running it takes a deliberate click.
  if (IsBatchFile(name))
    answer = PromptChoice(kBatchQuestion, kBatchCaption, PromptIcon::Warning, {kBatchShow, kBatchRun}, 0);
  return DocumentCommand(name, answer, SystemFolder());
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
