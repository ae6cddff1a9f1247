#include "core/NumberFormat.h"

#include <windows.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/Utf8.h"

namespace core {

namespace {

// Digits of |value| rounded half away from zero to `decimals` places, working on the shortest decimal
// form of the double so that 1.005 rounds like the 1.005 a user sees.
std::string RoundedDigits(double value, int decimals) {
  char buf[400];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  std::string s = ec == std::errc() ? std::string(buf, end) : std::string("0");
  size_t point = s.find('.');
  if (point == std::string::npos) { point = s.size(); s += '.'; }
  std::string frac = s.substr(point + 1);
  std::string whole = s.substr(0, point);
  const bool roundUp = frac.size() > static_cast<size_t>(decimals) && frac[decimals] >= '5';
  frac.resize(decimals, '0');
  std::string digits = whole + frac;
  if (roundUp) {
    int i = static_cast<int>(digits.size()) - 1;
    for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
    if (i < 0) digits.insert(0, "1");
    else ++digits[i];
  }
  return digits;  // the last `decimals` digits are the decimals
}

std::string Group(const std::string& whole, const std::string& sep) {
  std::string out;
  const size_t n = whole.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += sep;
    out += whole[i];
  }
  return out;
}

std::string FormatFixed(const NumberSeparators& seps, double value, int width, int decimals, bool grouping) {
  std::string digits = RoundedDigits(value, decimals);
  std::string whole = digits.substr(0, digits.size() - decimals);
  const std::string frac = digits.substr(digits.size() - decimals);
  const bool isZero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
  std::string out = (value < 0 && !isZero) ? "-" : "";
  out += grouping ? Group(whole, seps.thousands) : whole;
  if (decimals > 0) out += seps.decimal + frac;
  const size_t shown = CharCount(out);
  if (static_cast<size_t>(width) > shown) out.insert(0, width - shown, ' ');
  return out;
}

}  // namespace

std::string FormatNumberWith(const NumberSeparators& seps, double value, const NumberFormatArgs& args) {
  const int width = std::max(0, static_cast<int>(args.spec));
  const int decimals = std::clamp(static_cast<int>(std::lround((args.spec - width) * 10)), 0, 9);
  std::string out;
  if (args.showZero || value != 0) {
    out = FormatFixed(seps, value, width, decimals, args.grouping);
    if (args.fill != ' ') std::replace(out.begin(), out.end(), ' ', args.fill);
  } else if (decimals > 0) {
    out.assign(std::max(0, width - decimals - 1), ' ');
    out += '.';
    if (out.size() < static_cast<size_t>(width)) out.append(width - out.size(), ' ');
  } else {
    out.assign(width, ' ');
  }
  if (args.explicitSign && !out.empty()) {
    // The sign goes in front of the padding, so a padded negative number is not taken for a positive one.
    const size_t first = out.find_first_not_of(std::string{' ', args.fill});
    if (first != std::string::npos && out[first] == '-') out = "- " + out.erase(first, 1);
    else out = "+ " + out;
  }
  return out;
}

NumberSeparators UserNumberSeparators() {
  auto read = [](LCTYPE type) {
    wchar_t buf[8] = {};
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, 8);
    return n > 1 ? Narrow(std::wstring_view(buf, n - 1)) : std::string();
  };
  NumberSeparators seps{read(LOCALE_STHOUSAND), read(LOCALE_SDECIMAL)};
  if (seps.decimal.empty()) seps.decimal = ".";
  return seps;
}

std::string FormatNumber(const Value& value, char fill, bool showZero, double spec, bool grouping,
                         bool explicitSign) {
  return FormatNumberWith(UserNumberSeparators(), value.AsReal(),
                          {fill, showZero, spec, grouping, explicitSign});
}

std::string FormatNumber(double value) { return FormatNumber(Value::Real(value)); }

}  // namespace core
