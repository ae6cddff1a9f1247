#pragma once
// STUB until merge
#include <windows.h>
#include <functional>
#include <string>
namespace core {
using ErrorBoxFunction = std::function<void(const std::string&, const std::string&)>;
void CheckSingleInstance(HWND applicationWindow, const std::string& expectedName, const ErrorBoxFunction& errorBox);
[[noreturn]] void HaltProgram(int exitCode);
}
