#pragma once
// The environment's rules as functions of values: program path, switches, version text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Environment.h"

namespace core {

struct ProgramPathParts {
  std::string dir;   // up to and including the last backslash; a single backslash when there is none
  std::string name;  // file name without its last four characters
};
ProgramPathParts SplitProgramPath(std::string_view fullPath);

struct Switches {
  bool log = false, m = false, local = false;
  bool operator==(const Switches&) const = default;
};
Switches ParseSwitches(const std::vector<std::string>& parameters);

std::string BuildVersionText(std::string_view programName, const FileVersion& version, int count,
                             const std::function<std::string(double)>& formatNumber);

// The character at `index` (counted in characters) of UTF-8 text, or empty text.
std::string CharAt(std::string_view text, size_t index);

}  // namespace core
