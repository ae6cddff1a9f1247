#pragma once
// Hands a file name or an address to the program that shows it: plain-text settings files go to
// Notepad, batch files only after a question, everything else to the program the system associates.
#include <string>
#include <string_view>

namespace ui {

// The system folder, ending in a backslash. Notepad and the launcher are started from there by their
// full path: the search order looks in the program's own folder first, and the program runs elevated.
std::string SystemFolder();

// The batch-file question; its second button runs the file, every other way out shows it.
inline constexpr char kBatchQuestion[] =
    "Attention, ce fichier va exécuter certaines opérations.\r\n\r\nVoulez-vous l'afficher ou l'exécuter ?";
inline constexpr char kBatchCaption[] = "Attention !";
inline constexpr char kBatchShow[] = "Afficher";
inline constexpr char kBatchRun[] = "Exécuter";
inline constexpr int kBatchRunAnswer = 1;

bool IsBatchFile(std::string_view name);

// The command line that opens `name` with Notepad or the launcher of `systemFolder`; `batchAnswer`,
// the answer to the batch-file question (the pressed button's index, -1 when closed), counts only for
// batch files. The name is appended as it is, without quotes.
std::string DocumentCommand(std::string_view name, int batchAnswer, std::string_view systemFolder);

// DocumentCommand, asking the batch-file question when `name` is one.
std::string AskDocumentCommand(std::string_view name);

// Starts a command line with a show-window command, as the system's program launcher does, without
// waiting for it; true when the program was started.
bool StartCommand(std::string_view commandLine, int showCmd);

// Opens `name` as above; a program that cannot be started is not reported.
void OpenDocument(std::string_view name, int showCmd);

}  // namespace ui
