#pragma once
// Registry helpers for tests: clean keys in the 32-bit view, and a HKEY_LOCAL_MACHINE that refuses keys.
#include <windows.h>

#include <string>

namespace testing_support {

// Deletes a key and everything below it (32-bit view); a missing key is fine.
void DeleteRegTree(HKEY hive, const std::wstring& path);

// Removes a program's settings key, "Software\Nuvra Soft\<program>" of HKEY_CURRENT_USER; by
// default this test program's own (its file name without ".exe", as the program names itself).
void ClearSettings(const std::string& program = {});

// Raw access for checks that must bypass the code under test.
bool RegValueExists(HKEY hive, const std::wstring& path, const std::wstring& name);
bool RegKeyExists(HKEY hive, const std::wstring& path);
bool SetRawValue(HKEY hive, const std::wstring& path, const std::wstring& name, DWORD type, const void* data,
                 DWORD bytes);
bool GetRawValue(HKEY hive, const std::wstring& path, const std::wstring& name, DWORD& type, std::wstring& data);

// While alive, HKEY_LOCAL_MACHINE points at a volatile key: creating ordinary keys under it fails
// (ERROR_CHILD_MUST_BE_VOLATILE) and opening missing keys fails, as for a user without rights.
class RefusingMachineHive {
 public:
  RefusingMachineHive();
  ~RefusingMachineHive();
  RefusingMachineHive(const RefusingMachineHive&) = delete;
  RefusingMachineHive& operator=(const RefusingMachineHive&) = delete;
  bool active() const { return active_; }

 private:
  HKEY volatileKey_ = nullptr;
  bool active_ = false;
};

}  // namespace testing_support
