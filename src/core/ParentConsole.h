#pragma once
// A program with windows has no console of its own; started from one, it can still answer there.
#include <string_view>

namespace core {

// Writes the UTF-8 text where the program's starter reads: its redirected output, or the console the
// program was started from. False when there is neither; never opens a console of its own.
bool WriteToParentConsole(std::string_view utf8);

}  // namespace core
