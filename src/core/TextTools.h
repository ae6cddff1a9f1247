#pragma once
// Small text tools: trimming, padding, fields, quotes, endings, character sets. UTF-8 throughout.
#include <string>
#include <string_view>

namespace core {

// Without the blanks and control characters at both ends.
std::string TrimText(std::string_view s);
std::string PadText(std::string_view s, int width, char ch);
// Takes the first field off the front of s (unquoted); s keeps what follows the separator.
std::string CutField(std::string& s, std::string_view sep);
std::string Unquote(std::string_view s);
bool EndsWithText(std::string_view s, std::string_view suffix, bool caseSensitive);
// The same text but for the case of letters, as the file system compares names.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
bool OnlyChars(std::string_view charSet, std::string_view s);

}  // namespace core
