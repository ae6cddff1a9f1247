#include "core/Settings.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <mutex>
#include <optional>
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
bool OpenOrCreate(bool machine, std::string_view path, HKEY& key) {
  return RegCreateKeyExW(Hive(machine), KeyPath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess,
                         nullptr, &key, nullptr) == ERROR_SUCCESS;
}

// The user's keys, opened once for the process: in the 32-bit view each opening walks the key's path
// level by level, a dozen round trips to the registry under Wine, and the wizard reads its settings
// at every step. Never closed: they go with the process.
struct HeldKeys {
  std::mutex lock;
  std::vector<std::pair<std::wstring, HKEY>> keys;
};

HeldKeys& Held() {
  static HeldKeys* held = new HeldKeys;
  return *held;
}

// What the registry answered `use` on the key, opened and created if missing; nothing when the key
// cannot be opened. A held key deleted since it was opened (by an uninstallation in another process,
// say) is opened, and so created, afresh.
template <class Use>
std::optional<LONG> WithKey(bool machine, std::string_view path, Use use) {
  if (machine) {
    RegistryKey key;
    if (!OpenOrCreate(true, path, *key.Receive())) return std::nullopt;
    return use(key.Get());
  }
  HeldKeys& held = Held();
  std::lock_guard guard(held.lock);
  const std::wstring wpath = KeyPath(path);
  auto it = std::find_if(held.keys.begin(), held.keys.end(), [&](const auto& k) { return k.first == wpath; });
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (it == held.keys.end()) {
      HKEY key = nullptr;
      if (!OpenOrCreate(false, path, key)) return std::nullopt;
      it = held.keys.emplace(held.keys.end(), wpath, key);
    }
    const LONG rc = use(it->second);
    if (rc != ERROR_KEY_DELETED) return rc;
    RegCloseKey(it->second);
    held.keys.erase(it);
    it = held.keys.end();
  }
  return ERROR_KEY_DELETED;
}

bool TryWrite(bool machine, std::string_view path, std::string_view name, std::string_view text) {
  const std::wstring data = Widen(text), wname = Widen(name);
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return WithKey(machine, path, [&](HKEY key) {
           return RegSetValueExW(key, wname.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes);
         }) == ERROR_SUCCESS;
}

enum class ReadOutcome { Text, NotText, KeyDeleted };

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
    if (rc == ERROR_KEY_DELETED) return ReadOutcome::KeyDeleted;
    if (rc != ERROR_SUCCESS || bytes == 0) return ReadOutcome::Text;
    break;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return ReadOutcome::NotText;
  out = Narrow(std::wstring_view(buf.data()));  // cut at the first zero
  return ReadOutcome::Text;
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
  std::vector<size_t> notText;
  WithKey(machine, keyPath, [&](HKEY key) {
    notText.clear();
    for (size_t i = 0; i < names.size(); ++i) {
      const ReadOutcome outcome = ReadValue(key, names.begin()[i], texts[i]);
      if (outcome == ReadOutcome::KeyDeleted) return ERROR_KEY_DELETED;
      if (outcome == ReadOutcome::NotText) notText.push_back(i);
    }
    return ERROR_SUCCESS;
  });
  if (machine)
    for (size_t i : notText) texts[i] = ReadRegText(false, keyPath, names.begin()[i]);
  return texts;
}

std::string PeekRegText(bool machine, std::string_view keyPath, std::string_view name) {
  std::string out;
  RegistryKey key;
  if (OpenExisting(machine, keyPath, key)) ReadValue(key.Get(), name, out);
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
