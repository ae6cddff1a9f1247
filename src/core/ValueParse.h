#pragma once
// Text to values: numbers, percentages, dates and times as the user's locale writes them.
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

}  // namespace core
