#include "core/SingleInstance.h"
#include "core/Environment.h"
namespace core {
void CheckSingleInstance(HWND, const std::string&, const ErrorBoxFunction&) {}
void HaltProgram(int exitCode) { DoneEnvironment(); ExitProcess(static_cast<UINT>(exitCode)); }
}
