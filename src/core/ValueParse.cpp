// A forgiving reader of numbers, percentages, times and dates as users and the registry hold them.
#include "core/ValueParse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/DateSerial.h"
#include "core/TextTools.h"

namespace core {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Thousands groups after the first apostrophe must be three characters without a point;
// the last group is three characters, or three digits then the decimal point.
bool GroupsAreWellFormed(const std::string& text) {
  std::string_view rest(text);
  rest.remove_prefix(rest.find('\'') + 1);
  for (size_t next = rest.find('\''); next != std::string_view::npos; next = rest.find('\'')) {
    if (next != 3 || rest.substr(0, 3).find('.') != std::string_view::npos) return false;
    rest.remove_prefix(4);
  }
  return rest.size() == 3 || (rest.size() > 3 && rest[3] == '.');
}

Value NumberRule(std::string text) {
  if (!text.empty() && text.back() == '.') text.pop_back();
  std::replace(text.begin(), text.end(), ' ', '\'');
  if (text.find('\'') != std::string::npos) {
    if (!GroupsAreWellFormed(text)) return Value::Null();
    text.erase(std::remove(text.begin(), text.end(), '\''), text.end());
  }
  if (text.empty()) return Value::Empty();
  if (!std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; }))
    return Value::Null();

  const bool hasPoint = text.find('.') != std::string::npos;
  if (!hasPoint) {
    int64_t acc = 0;
    bool fits = true;
    for (char c : text) {
      acc = acc * 10 + (c - '0');
      if (acc > std::numeric_limits<int32_t>::max()) { fits = false; break; }
    }
    if (fits) return Value::Integer(static_cast<int32_t>(acc));
  }
  // Decimals, or an integer part beyond 32 bits: a real, read with correct rounding.
  if (text == ".") return Value::Real(0.0);
  double d = 0.0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
  if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(d)) return Value::Null();
  return Value::Real(d);
}

// Hours with two-digit minutes and optional two-digit seconds, as a real number of hours.
Value TimeRule(std::string text, bool scaled) {
  if (scaled) return Value::Null();
  if (!std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == ':'; }))
    return Value::Null();
  const double hours = TextToValue(CutField(text, ":")).AsReal();
  auto twoDigitField = [&text](double& out) {
    const std::string field = CutField(text, ":");
    if (field.size() != 2) return false;
    out = TextToValue(field).AsReal();
    return out < 60;
  };
  double minutes = 0, seconds = 0;
  if (!twoDigitField(minutes)) return Value::Null();
  if (!text.empty() && !twoDigitField(seconds)) return Value::Null();
  return Value::Real(hours + minutes / 60 + seconds / 3600);
}

// A whole number within [low, high] read from a date field, or -1.
int DateField(std::string_view field, int low, int high) {
  const double v = TextToValue(field).AsReal();
  if (v < low || v > high || v != std::floor(v)) return -1;
  return static_cast<int>(v);
}

Value DateRule(std::string text, bool negative, bool scaled) {
  if (negative || scaled) return Value::Null();
  double fraction = 0.0;
  if (text.find(':') != std::string::npos) {
    const size_t space = text.find(' ');
    std::string datePart = TrimText(std::string_view(text).substr(0, space));
    if (!datePart.empty() && datePart.back() == '.') datePart = TrimText(datePart.substr(0, datePart.size() - 1));
    const std::string timePart = space == std::string::npos ? "" : TrimText(std::string_view(text).substr(space + 1));
    if (datePart.empty() || timePart.empty()) return Value::Null();
    const Value time = TimeRule(timePart, false);
    if (time.kind == ValueKind::Null) return Value::Null();
    fraction = time.AsReal() / 24;
    if (fraction >= 1.0) return Value::Null();
    text = datePart;
  }
  const int day = DateField(CutField(text, "."), 1, 31);
  if (day < 0) return Value::Null();
  const int month = DateField(CutField(text, "."), 1, 12);
  if (month < 0) return Value::Null();
  const std::string yearText = TrimText(text);
  if (yearText.size() != 2 && yearText.size() != 4) return Value::Null();
  const ParseResult parsed = ParseValue(yearText);
  if (!parsed.valid || !parsed.value.IsNumber()) return Value::Null();
  double year = parsed.value.AsReal();
  if (year < 0 || year != std::floor(year)) return Value::Null();
  if (year < 50) year += 2000;
  else if (year < 100) year += 1900;
  if (year < 1900 || year > 2200) return Value::Null();
  const auto serial = DateSerial(static_cast<int>(year), month, day);
  if (!serial) return Value::Null();
  return Value::DateTime(*serial + fraction);
}

}  // namespace

ParseResult ParseValue(std::string_view input) {
  std::string text = TrimText(input);
  if (text.empty()) return {};
  double scale = 1.0;
  if (text.back() == '%') {
    scale = 0.01;
    text = TrimText(text.substr(0, text.size() - 1));
    if (text.empty()) return {};
  }
  int sign = 1;
  if (text.front() == '+' || text.front() == '-') {
    if (text.front() == '-') sign = -1;
    text = TrimText(text.substr(1));
    if (text.empty()) return {};
  }
  std::replace(text.begin(), text.end(), '/', '.');
  std::replace(text.begin(), text.end(), ',', '.');
  if (text.front() == '.') text.insert(0, "0");

  Value v;
  if (std::count(text.begin(), text.end(), '.') >= 2) v = DateRule(text, sign < 0, scale != 1.0);
  else if (text.find(':') != std::string::npos) v = TimeRule(text, scale != 1.0);
  else v = NumberRule(text);

  switch (v.kind) {
    case ValueKind::Null: return {v, false};
    case ValueKind::Integer:
      if (scale != 1.0) return {Value::Real(v.integer * scale * sign), true};
      return {Value::Integer(v.integer * sign), true};
    case ValueKind::Real: return {Value::Real(v.real * scale * sign), true};
    default: return {v, true};
  }
}

Value TextToValue(std::string_view text) {
  const ParseResult r = ParseValue(text);
  if (!r.valid || r.value.kind == ValueKind::Empty) return Value::Integer(0);
  return r.value;
}

}  // namespace core
