#pragma once
// The log of an unattended run: one line per step, each with its local time, appended in UTF-8, so
// that runs one after the other read as one history. Written line by line: a run that dies leaves
// every line written so far.
#include <windows.h>

#include <string>
#include <string_view>

namespace app {

// "2026-12-08 18:40:12  text" and a line end.
std::string LogLine(const SYSTEMTIME& time, std::string_view text);

class RunLog {
 public:
  explicit RunLog(std::string path) : path_(std::move(path)) {}  // empty: nothing is written
  // Appends the line now; false when the file cannot be written.
  bool Write(std::string_view text) const;

 private:
  std::string path_;
};

}  // namespace app
