#pragma once
// Ends the program on the spot from anywhere, still releasing the environment first.

namespace core {

[[noreturn]] void HaltProgram(int exitCode);

}  // namespace core
