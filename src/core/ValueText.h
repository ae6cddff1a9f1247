#pragma once
// Conversion between text and values, and the small text tools built on it.
#include <string>
#include <string_view>

#include "core/Value.h"

namespace core {

struct ParseResult {
  Value value;
  bool valid = true;  // false only when value is null
};

ParseResult ParseValue(std::string_view text);
// ParseValue, with empty and null giving the integer 0.
Value TextToValue(std::string_view text);

// Number to text with the locale's separators ("%W.Dn" / "%W.Df" formats).
// The program's callers all use the defaults: nearest whole number, thousands grouped.
std::string FormatNumber(const Value& value, char fill = ' ', bool showZero = true, double spec = 0.0,
                         bool grouping = true, bool explicitSign = false);
std::string FormatNumber(double value);  // with the callers' defaults

// Without the blanks and control characters at both ends.
std::string TrimText(std::string_view s);
std::string PadText(std::string_view s, int width, char ch);
// Takes the first field off the front of s (unquoted); s keeps what follows the separator.
std::string CutField(std::string& s, std::string_view sep);
std::string Unquote(std::string_view s);
bool EndsWithText(std::string_view s, std::string_view suffix, bool caseSensitive);
bool OnlyChars(std::string_view charSet, std::string_view s);

}  // namespace core
