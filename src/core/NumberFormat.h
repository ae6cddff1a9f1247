#pragma once
// Number formatting with explicit separators, so the arithmetic is testable apart from the locale.
#include <string>
#include <string_view>

#include "core/Value.h"

namespace core {

struct NumberSeparators {
  std::string thousands = ",";  // one UTF-8 character, or empty
  std::string decimal = ".";
};

struct NumberFormatArgs {
  char fill = ' ';
  bool showZero = true;
  double spec = 0.0;  // width.decimals: 7.2 is width 7 with 2 decimals
  bool grouping = true;
  bool explicitSign = false;
};

std::string FormatNumberWith(const NumberSeparators& separators, double value, const NumberFormatArgs& args);

// The user's locale separators, as Windows reports them.
NumberSeparators UserNumberSeparators();

// Number to text with the locale's separators ("%W.Dn" / "%W.Df" formats).
// The program's callers all use the defaults: nearest whole number, thousands grouped.
std::string FormatNumber(const Value& value, char fill = ' ', bool showZero = true, double spec = 0.0,
                         bool grouping = true, bool explicitSign = false);
std::string FormatNumber(double value);  // with the callers' defaults

}  // namespace core
