#pragma once
// Where the log of an unattended run may go: a file that can be written and that is none of the
// files the run reads or writes, so that appending a line never damages the backup, the texture,
// the payload or the program.
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The files of one run, as full paths.
struct RunFiles {
  std::string program;
  std::string payload;
  std::string main;                  // the main folder, completed; empty when not known
  const char* marker = "";           // the simulator's marker file in it
  std::vector<std::string> entries;  // the payload's entry names
};

// True when the log (a full path) would be one of them: the program, the payload, the marker, the
// texture or a payload entry in the texture folder (or a temporary of one), or an archive of the
// run in the main folder (the backup, a set-aside backup, a kept texture). Letters in any case.
bool IsRunFile(std::string_view logPath, const RunFiles& run);

// Checks the log place before anything is written: empty when it can be used, otherwise why not, in
// the language. The file is created when missing.
std::string LogPlaceProblem(char lang, const std::string& logPath, const RunFiles& run);

}  // namespace app
