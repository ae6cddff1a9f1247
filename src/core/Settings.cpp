#include "core/Settings.h"

#include <windows.h>

#include <charconv>
#include <utility>
#include <vector>

#include "core/Environment.h"
#include "core/RegistryKey.h"
#include "core/Utf8.h"

namespace core {

namespace {

// Full access in the 32-bit view, where the simulators and earlier versions keep their keys.
constexpr REGSAM kAccess = KEY_ALL_ACCESS | KEY_WOW64_32KEY;

HKEY Hive(bool machine) { return machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

std::wstring KeyPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  return Widen(path);
}

// Opens the key, creating every missing level.
bool OpenOrCreate(bool machine, std::string_view path, RegistryKey& key) {
  return RegCreateKeyExW(Hive(machine), KeyPath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess,
                         nullptr, key.Receive(), nullptr) == ERROR_SUCCESS;
}

bool TryWrite(bool machine, std::string_view path, std::string_view name, std::string_view text) {
  RegistryKey key;
  if (!OpenOrCreate(machine, path, key)) return false;
  const std::wstring data = Widen(text);
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        bytes) == ERROR_SUCCESS;
}

enum class ReadOutcome { Text, NotText };

// Opens an existing key for reading only.
bool OpenExisting(bool machine, std::string_view path, RegistryKey& key) {
  return RegOpenKeyExW(Hive(machine), KeyPath(path).c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, key.Receive()) ==
         ERROR_SUCCESS;
}

// One value of an open key. Most values fit the first buffer: one call to the registry, not two.
ReadOutcome ReadValue(HKEY key, std::string_view name, std::string& out) {
  out.clear();
  const std::wstring wname = Widen(name);
  // Each read goes into a zeroed buffer two characters longer than it is told, so the text ends.
  std::vector<wchar_t> buf(260);
  DWORD type = 0;
  for (;;) {  // the value may grow between two reads
    DWORD bytes = static_cast<DWORD>((buf.size() - 2) * sizeof(wchar_t));
    const LONG rc = RegQueryValueExW(key, wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &bytes);
    if (rc == ERROR_MORE_DATA) {
      buf.assign(bytes / sizeof(wchar_t) + 2, L'\0');
      continue;
    }
    if (rc != ERROR_SUCCESS || bytes == 0) return ReadOutcome::Text;
    break;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return ReadOutcome::NotText;
  out = Narrow(std::wstring_view(buf.data()));  // cut at the first zero
  return ReadOutcome::Text;
}

bool OpenForReading(bool machine, std::string_view path, RegistryKey& key, bool create) {
  return create ? OpenOrCreate(machine, path, key) : OpenExisting(machine, path, key);
}

ReadOutcome TryRead(bool machine, std::string_view path, std::string_view name, std::string& out,
                    bool create = true) {
  out.clear();
  RegistryKey key;
  if (!OpenForReading(machine, path, key, create)) return ReadOutcome::Text;  // no key: empty, and no fallback
  return ReadValue(key.Get(), name, out);
}

}  // namespace

std::string SettingsKeyPath() { return "\\Software\\Nuvra Soft\\" + Env().ProgramName; }

void WriteRegText(bool machine, std::string_view keyPath, std::string_view name, std::string_view text) {
  if (!TryWrite(machine, keyPath, name, text) && machine) TryWrite(false, keyPath, name, text);
}

std::string ReadRegText(bool machine, std::string_view keyPath, std::string_view name) {
  return std::move(ReadRegTexts(machine, keyPath, {name}).front());
}

std::vector<std::string> ReadRegTexts(bool machine, std::string_view keyPath,
                                      std::initializer_list<std::string_view> names) {
  std::vector<std::string> texts(names.size());
  RegistryKey key;
  if (!OpenForReading(machine, keyPath, key, true)) return texts;
  size_t i = 0;
  for (std::string_view name : names) {
    if (ReadValue(key.Get(), name, texts[i]) == ReadOutcome::NotText && machine) TryRead(false, keyPath, name, texts[i]);
    ++i;
  }
  return texts;
}

std::string PeekRegText(bool machine, std::string_view keyPath, std::string_view name) {
  std::string out;
  TryRead(machine, keyPath, name, out, false);
  return out;
}

namespace {

std::string ValueAsText(const Value& value) {
  switch (value.kind) {
    case ValueKind::Integer: return std::to_string(value.integer);
    case ValueKind::Empty:
    case ValueKind::Null: return {};
    default: {  // reals and date-times as their shortest exact decimal form
      char buf[64];
      auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value.real);
      return ec == std::errc() ? std::string(buf, end) : std::string();
    }
  }
}

}  // namespace

void WriteSettingEx(bool machine, std::string_view name, std::string_view text) {
  WriteRegText(machine, SettingsKeyPath(), name, text);
}
void WriteSettingEx(bool machine, std::string_view name, const Value& value) {
  WriteSettingEx(machine, name, ValueAsText(value));
}
void WriteSetting(std::string_view name, std::string_view text) { WriteSettingEx(false, name, text); }
void WriteSetting(std::string_view name, const Value& value) { WriteSettingEx(false, name, value); }

std::string ReadSettingEx(bool machine, std::string_view name) {
  return ReadRegText(machine, SettingsKeyPath(), name);
}
std::string ReadSetting(std::string_view name) { return ReadSettingEx(false, name); }

}  // namespace core
