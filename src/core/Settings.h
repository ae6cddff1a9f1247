#pragma once
// Named text values in the registry (32-bit view): the program's settings key
// "Software\Nuvra Soft\<ProgramName>" and any other key. Reads never fail (empty text),
// failed writes are lost; a failure under HKEY_LOCAL_MACHINE falls back to HKEY_CURRENT_USER.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/Value.h"

namespace core {

void WriteSetting(std::string_view name, std::string_view text);
void WriteSetting(std::string_view name, const Value& value);
void WriteSettingEx(bool machine, std::string_view name, std::string_view text);
void WriteSettingEx(bool machine, std::string_view name, const Value& value);
std::string ReadSetting(std::string_view name);
std::string ReadSettingEx(bool machine, std::string_view name);

void WriteRegText(bool machine, std::string_view keyPath, std::string_view name, std::string_view text);
std::string ReadRegText(bool machine, std::string_view keyPath, std::string_view name);
// ReadRegText of each name, with the key opened once.
std::vector<std::string> ReadRegTexts(bool machine, std::string_view keyPath,
                                      std::initializer_list<std::string_view> names);
// Reads like ReadRegText but never creates the key, so looking at another product's key leaves no
// trace; empty when the key or value is missing or not text.
std::string PeekRegText(bool machine, std::string_view keyPath, std::string_view name);

// "\Software\Nuvra Soft\" + ProgramName
std::string SettingsKeyPath();

}  // namespace core
