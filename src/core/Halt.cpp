#include "core/Halt.h"

#include <windows.h>

#include "core/Environment.h"

namespace core {

void HaltProgram(int exitCode) {
  DoneEnvironment();
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace core
