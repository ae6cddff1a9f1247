#include "support/RegistryFixture.h"

#include "support/Text.h"

namespace testing_support {

void ClearSettings(const std::string& program) {
  std::wstring name = Widen(program);
  if (name.empty()) {
    wchar_t self[MAX_PATH] = {};
    std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    name = path.substr(path.find_last_of(L'\\') + 1);
    name.resize(name.size() - 4);
  }
  DeleteRegTree(HKEY_CURRENT_USER, L"Software\\Nuvra Soft\\" + name);
}

namespace {
constexpr REGSAM kView = KEY_WOW64_32KEY;
const wchar_t kVolatileRoot[] = L"Software\\PratiloTests\\RefusingMachine";
}  // namespace

void DeleteRegTree(HKEY hive, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(hive, path.c_str(), 0, KEY_ALL_ACCESS | kView, &key) != ERROR_SUCCESS) return;
  RegDeleteTreeW(key, nullptr);
  RegCloseKey(key);
  RegDeleteKeyExW(hive, path.c_str(), kView, 0);
}

bool RegKeyExists(HKEY hive, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(hive, path.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool RegValueExists(HKEY hive, const std::wstring& path, const std::wstring& name) {
  DWORD type = 0;
  std::wstring data;
  return GetRawValue(hive, path, name, type, data);
}

bool SetRawValue(HKEY hive, const std::wstring& path, const std::wstring& name, DWORD type, const void* data,
                 DWORD bytes) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(hive, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | kView, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const bool ok = RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

bool GetRawValue(HKEY hive, const std::wstring& path, const std::wstring& name, DWORD& type, std::wstring& data) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(hive, path.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) return false;
  DWORD bytes = 0;
  LONG rc = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes);
  if (rc == ERROR_SUCCESS) {
    data.assign(bytes / sizeof(wchar_t) + 1, L'\0');
    rc = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes);
    data.resize(bytes / sizeof(wchar_t));
  }
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

RefusingMachineHive::RefusingMachineHive() {
  DeleteRegTree(HKEY_CURRENT_USER, kVolatileRoot);
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kVolatileRoot, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &volatileKey_, nullptr) != ERROR_SUCCESS)
    return;
  active_ = RegOverridePredefKey(HKEY_LOCAL_MACHINE, volatileKey_) == ERROR_SUCCESS;
}

RefusingMachineHive::~RefusingMachineHive() {
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  if (volatileKey_) RegCloseKey(volatileKey_);
  DeleteRegTree(HKEY_CURRENT_USER, kVolatileRoot);
}

}  // namespace testing_support
