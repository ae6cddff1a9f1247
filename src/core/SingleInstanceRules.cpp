#include "core/SingleInstanceRules.h"

#include <windows.h>

#include <cstdio>

#include "core/TextTools.h"
#include "core/Utf8.h"

namespace core {

namespace {

std::string AsciiUpper(std::string s) {
  // Only ".EXE" is looked for, and no non-ASCII letter upper-cases to E or X.
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

uint64_t Fnv1a(const std::string& bytes) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

}  // namespace

InstanceSearch MatchInstances(const std::vector<TopWindow>& windows, const TopWindow& self) {
  InstanceSearch result;
  for (const auto& w : windows) {
    if (w.className.empty() || w.className != self.className) continue;
    if (w.text.empty() || w.text != self.text) continue;
    ++result.matches;
    if (w.handle != self.handle) result.found = w.handle;
  }
  return result;
}

std::string ForwardedText(const std::vector<std::string>& parameters) {
  std::string text;
  for (const auto& p : parameters) {
    text += p;
    text += ' ';
    if (AsciiUpper(text).find(".EXE") != std::string::npos) text.clear();
  }
  return text;
}

std::string InstanceMutexName(const std::string& className, const std::string& title) {
  // Class and title may each be 255 characters, too long together for an object name: a readable
  // prefix of the class plus a hash of both keeps the name short and the two parts apart.
  std::wstring prefix = Widen(className).substr(0, 64);
  for (wchar_t& c : prefix)
    if (c == L'\\') c = L'_';
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx",
                static_cast<unsigned long long>(Fnv1a(className + '\0' + title)));
  return "Local\\" + Narrow(prefix) + ".instance." + hash;
}

std::optional<std::string> WrongNameMessage(const std::string& expectedName, const std::string& programName) {
  if (expectedName.empty()) return std::nullopt;
  if (SameTextIgnoringCase(expectedName, programName)) return std::nullopt;
  return "Veuillez renommez ce programme \"" + expectedName + ".exe\", il ne peut pas fonctionner sans cela !";
}

}  // namespace core
