// Small text tools: padding, field cutting, quoting, suffix and character-set tests.
#include "core/TextTools.h"

#include <windows.h>

#include "core/Utf8.h"

namespace core {

namespace {

// Byte offset of the n-th character of UTF-8 text (the size when there are fewer).
size_t OffsetOfChar(std::string_view s, size_t n) {
  size_t i = 0;
  for (; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (n == 0) return i;
      --n;
    }
  }
  return i;
}

}  // namespace

std::string TrimText(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

std::string PadText(std::string_view s, int width, char ch) {
  const size_t count = CharCount(s);
  if (width > 0) {
    const size_t w = static_cast<size_t>(width);
    if (count >= w) return std::string(s.substr(0, OffsetOfChar(s, w)));
    return std::string(s) + std::string(w - count, ch);
  }
  const size_t w = static_cast<size_t>(-static_cast<long long>(width));
  if (count >= w) return std::string(s.substr(OffsetOfChar(s, count - w)));
  return std::string(w - count, ch) + std::string(s);
}

std::string CutField(std::string& s, std::string_view sep) {
  const size_t at = sep.empty() ? std::string::npos : s.find(sep);
  std::string field;
  if (at == std::string::npos) {
    field = std::move(s);
    s.clear();
  } else {
    field = s.substr(0, at);
    s.erase(0, at + sep.size());
  }
  return Unquote(field);
}

std::string Unquote(std::string_view s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return std::string(s.substr(1, s.size() - 2));
  return std::string(s);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  const std::wstring wa = Widen(a), wb = Widen(b);
  return CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(), static_cast<int>(wb.size()), TRUE) ==
         CSTR_EQUAL;
}

bool EndsWithText(std::string_view s, std::string_view suffix, bool caseSensitive) {
  const std::wstring ws = Widen(s), wsuffix = Widen(suffix);
  if (ws.size() < wsuffix.size()) return false;
  if (wsuffix.empty()) return true;
  return CompareStringOrdinal(ws.data() + (ws.size() - wsuffix.size()), static_cast<int>(wsuffix.size()),
                              wsuffix.data(), static_cast<int>(wsuffix.size()), caseSensitive ? FALSE : TRUE) ==
         CSTR_EQUAL;
}

bool OnlyChars(std::string_view charSet, std::string_view s) {
  const std::wstring set = Widen(charSet);
  for (wchar_t c : Widen(s))
    if (set.find(c) == std::wstring::npos) return false;
  return true;
}

}  // namespace core
