#pragma once
// Windows' own DLLs, loaded from the system folder only. The program runs as administrator from a
// folder where anyone's files land (Downloads): a DLL loaded by bare name could come from there.
#include <windows.h>

namespace core {

// Restricts the process's DLL search to the system folder; the first thing the program does.
void RestrictDllSearch();

// The DLL of that name from the system folder, by full path; null when it is not there. Kept loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a DLL in the system folder; null when the DLL or the function is missing.
template <class Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  HMODULE module = LoadSystemLibrary(dll);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace core
